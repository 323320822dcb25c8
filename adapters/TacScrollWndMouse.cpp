// The scroll-window adapter's mouse: presses on arrows and track with their
// repeat timers, the hover timer that lights the portion under the pointer,
// dragging the thumb and the release that ends every grab.
#include <algorithm>

#include "adapters/TacScrollTracking.h"
#include "adapters/TacScrollWnd.h"
#include "platform/windowing/WinUser.h"
#include "skin/SkinCommandMessage.h"

namespace {
UINT ScrollMessageOf(int kind) { return kind == kBarHorizontal ? WM_HSCROLL : WM_VSCROLL; }
}  // namespace

void TacScrollWnd::SendScroll(UINT scrollMessage, int code, int position) {
  const std::shared_ptr<bool> alive = alive_;
  const LPARAM details = MAKELPARAM(code, scrollMessage);
  const LRESULT answer = SendMessage(hwnd_, SM_SKINCOMMAND, SkinCommand(SKC_BEFORE_SCROLL), details);
  if (!*alive || !IsWindow(hwnd_)) return;
  if (answer != 1 && code == SB_THUMBTRACK) {
    // The window reads the position it scrolls to from its scroll information.
    SCROLLINFO si;
    si.fMask = SIF_POS;
    si.nPos = position;
    SetScrollInfo(hwnd_, scrollMessage == WM_HSCROLL ? SB_HORZ : SB_VERT, &si, FALSE);
  }
  SendMessage(hwnd_, scrollMessage, MAKEWPARAM(code, position), 0);
  if (!*alive || !IsWindow(hwnd_)) return;
  SendMessage(hwnd_, SM_SKINCOMMAND, SkinCommand(SKC_AFTER_SCROLL), details);
}

void TacScrollWnd::HoverStart(int hitCode) {
  TacScrollTracking& t = ScrollTracking();
  const int kind = hitCode == HTHSCROLL ? kBarHorizontal : kBarVertical;
  if (t.HoverWindow != hwnd_) t.HoverKind = -1;
  t.HoverWindow = hwnd_;
  if (t.HoverKind == kind) return;
  t.HoverPortion = kPortionNone;
  t.HotPortion = kPortionNone;
  RECT window{};
  GetWindowRect(hwnd_, &window);
  t.HoverRect = BarRect(kind).Offset(window.Left, window.Top);
  t.HoverKind = kind;
  t.HoverTimer = SetTimer(hwnd_, kHoverTimer, kHoverDelay, nullptr);
  PaintBars(nullptr);
}

LRESULT TacScrollWnd::Press(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!IsScrollBarHit(wParam)) return CallPrevious(msg, wParam, lParam);
  TacScrollTracking& t = ScrollTracking();
  t.HoverWindow = hwnd_;
  const int kind = wParam == HTHSCROLL ? kBarHorizontal : kBarVertical;
  t.PressWindow = hwnd_;
  t.PressMessage = ScrollMessageOf(kind);
  t.PressedKind = kind;
  const TPoint p = WindowPointFromScreen(lParam);
  t.PressedPortion = HitTestBar(kind, p);
  switch (t.PressedPortion) {
    case kPortionFirstArrow:
    case kPortionSecondArrow:
    case kPortionTrackBefore:
    case kPortionTrackAfter:
      // The state flags hold only 0 or 8, so no arrow is ever marked disabled.
      StartRepeating(kind, t.PressedPortion);
      break;
    case kPortionThumb: {
      if (!BarEnabled(kind)) break;
      const TacThumb thumb = Thumb(kind);
      TacScrollBar& bar = Bar(kind);
      t.DragThumbLength = thumb.Length;
      t.DragThumbStart = thumb.Start;
      t.DragTrack = BarRect(kind);
      thumbTracking_ = true;
      bar.ScrollInfo.nTrackPos = bar.ScrollInfo.nPos;
      t.LastPositionSent = bar.ScrollInfo.nPos;
      t.GrabOffset = (kind == kBarHorizontal ? p.X : p.Y) - thumb.Start;
      t.PressedUnderPointer = kPortionThumb;
      PaintBars(nullptr);
      break;
    }
    default: {
      const LRESULT result = CallPrevious(msg, wParam, lParam);
      t.ResetPress();
      return result;
    }
  }
  if (t.PressedPortion != kPortionNone && IsWindow(hwnd_)) SetCapture(hwnd_);
  return 0;
}

void TacScrollWnd::StartRepeating(int kind, int portion) {
  if (!BarEnabled(kind)) return;
  TacScrollTracking& t = ScrollTracking();
  POINT cursor{};
  GetCursorPos(&cursor);
  RECT window{};
  GetWindowRect(hwnd_, &window);
  t.PressedUnderPointer = HitTestBar(kind, Point(cursor.X - window.Left, cursor.Y - window.Top)) == portion ? portion
                                                                                                         : kPortionNone;
  PaintBars(nullptr);
  const std::shared_ptr<bool> alive = alive_;
  sending_ = true;
  SendScroll(t.PressMessage, portion, 0);
  if (!*alive) return;
  sending_ = false;
  if (!IsWindow(hwnd_)) return;
  t.RepeatTimer = SetTimer(hwnd_, kFirstRepeatTimer, kFirstRepeatDelay, nullptr);
}

LRESULT TacScrollWnd::MouseMove(UINT msg, WPARAM wParam, LPARAM lParam) {
  TacScrollTracking& t = ScrollTracking();
  const TPoint p = WindowPointFromClient(lParam);
  if (thumbTracking_) {
    DragThumb(p);
    return 0;
  }
  if (t.PressedPortion == kPortionNone || t.PressedKind < 0) return CallPrevious(msg, wParam, lParam);
  const int under = HitTestBar(t.PressedKind, p) == t.PressedPortion ? t.PressedPortion : kPortionNone;
  if (under != t.PressedUnderPointer) {
    t.PressedUnderPointer = under;
    PaintBars(nullptr);
  }
  return 0;
}

void TacScrollWnd::DragThumb(TPoint p) {
  TacScrollTracking& t = ScrollTracking();
  const int kind = t.PressedKind;
  if (kind < 0) return;
  TacScrollBar& bar = Bar(kind);
  const int arrow = ArrowLength(bar, false);
  const int trackStart = BarStart(t.DragTrack, kind) + arrow;
  const int trackEnd = BarStart(t.DragTrack, kind) + BarExtent(t.DragTrack, kind) - arrow;
  const int along = kind == kBarHorizontal ? p.X : p.Y;
  const int thumbStart = std::clamp(along - t.GrabOffset, trackStart, std::max(trackStart, trackEnd - t.DragThumbLength));
  PaintDraggedBar(thumbStart);
  const int position =
      PositionForThumb(bar.ScrollInfo, thumbStart, trackStart, trackEnd - trackStart, t.DragThumbLength);
  if (position == t.LastPositionSent) return;
  bar.ScrollInfo.nTrackPos = position;
  const std::shared_ptr<bool> alive = alive_;
  sending_ = true;
  SendScroll(t.PressMessage, SB_THUMBTRACK, position);
  if (!*alive) return;
  sending_ = false;
  t.LastPositionSent = position;
}

LRESULT TacScrollWnd::Release(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (ScrollTracking().PressedPortion == kPortionNone) return CallPrevious(msg, wParam, lParam);
  const std::shared_ptr<bool> alive = alive_;
  EndPress();
  if (!*alive) return 0;
  return IsWindow(hwnd_) ? CallPrevious(msg, wParam, lParam) : 0;
}

LRESULT TacScrollWnd::CaptureLost(UINT msg, WPARAM wParam, LPARAM lParam) {
  const TacScrollTracking& t = ScrollTracking();
  // Without the capture no release comes back here: the repeat would go on
  // for good and the held bar would swallow the window's other timers.
  if (!endingPress_ && t.PressedPortion != kPortionNone && t.PressWindow == hwnd_) {
    const std::shared_ptr<bool> alive = alive_;
    EndPress();
    if (!*alive) return 0;
  }
  return IsWindow(hwnd_) ? CallPrevious(msg, wParam, lParam) : 0;
}

void TacScrollWnd::EndPress() {
  TacScrollTracking& t = ScrollTracking();
  const std::shared_ptr<bool> alive = alive_;
  if (GetCapture() == hwnd_) {
    endingPress_ = true;
    ReleaseCapture();
    if (!*alive) return;
    endingPress_ = false;
  }
  const int kind = t.PressedKind;
  int endPosition = 0;
  sending_ = true;
  if (t.PressedPortion == kPortionThumb) {
    SendScroll(t.PressMessage, SB_THUMBPOSITION, t.LastPositionSent);
    thumbTracking_ = false;
    endPosition = t.LastPositionSent;
  } else {
    KillTimer(hwnd_, kFirstRepeatTimer);
    KillTimer(hwnd_, kRepeatTimer);
    if (thumbTracking_) {
      SendScroll(t.PressMessage, SB_THUMBPOSITION, t.LastPositionSent);
      thumbTracking_ = false;
    }
  }
  if (*alive && IsWindow(hwnd_)) SendScroll(t.PressMessage, SB_ENDSCROLL, endPosition);
  if (!*alive) {
    ScrollTracking().ResetPress();
    return;
  }
  sending_ = false;
  t.ResetPress();
  if (IsWindow(hwnd_) && kind >= 0) {
    Refresh(false);
    PaintBars(nullptr);
  }
}

LRESULT TacScrollWnd::Timer(UINT msg, WPARAM wParam, LPARAM lParam) {
  TacScrollTracking& t = ScrollTracking();
  const std::shared_ptr<bool> alive = alive_;
  switch (wParam) {
    case kFirstRepeatTimer:
      KillTimer(hwnd_, kFirstRepeatTimer);
      t.RepeatTimer = SetTimer(hwnd_, kRepeatTimer, kRepeatDelay, nullptr);
      break;
    case kRepeatTimer: {
      POINT cursor{};
      GetCursorPos(&cursor);
      ScreenToClient(hwnd_, &cursor);
      const LPARAM client = MAKELPARAM(std::max(0, cursor.X), std::max(0, cursor.Y));
      MouseMove(WM_MOUSEMOVE, 0, client);
      if (!*alive) return 0;
      if (t.PressedPortion != kPortionNone && t.PressedUnderPointer == t.PressedPortion) {
        sending_ = true;
        SendScroll(t.PressMessage, t.PressedPortion, 0);
        if (!*alive) return 0;
        sending_ = false;
      }
      break;
    }
    case kHoverTimer: {
      if (t.HoverWindow != hwnd_) {
        // The pointer has moved on to another window's bar.
        KillTimer(hwnd_, kHoverTimer);
        break;
      }
      if (thumbTracking_) break;
      POINT cursor{};
      GetCursorPos(&cursor);
      if (t.HoverKind >= 0 && t.HoverRect.Contains(Point(cursor.X, cursor.Y))) {
        RECT window{};
        GetWindowRect(hwnd_, &window);
        const int portion = HitTestBar(t.HoverKind, Point(cursor.X - window.Left, cursor.Y - window.Top));
        t.HoverPortion = portion;
        if (portion != t.HotPortion) {
          t.HotPortion = portion;
          PaintBars(nullptr);
        }
      } else {
        KillTimer(hwnd_, kHoverTimer);
        t.ResetHover();
        PaintBars(nullptr);
      }
      break;
    }
    default:
      if (t.RepeatTimer == 0 && t.HoverTimer == 0) return CallPrevious(msg, wParam, lParam);
      break;
  }
  if (*alive && !sending_ && !detached_) Refresh(true);
  return 0;
}
