// The scroll-window adapter's painting: each visible bar in the states the
// tracking gives it, and the size box between two bars.
#include <algorithm>

#include "adapters/TacScrollBarPainter.h"
#include "adapters/TacScrollTracking.h"
#include "adapters/TacScrollWnd.h"
#include "adapters/WindowFrame.h"
#include "framework/TWinControl.h"
#include "platform/graphics/BlockTransfer.h"
#include "platform/windowing/WinUser.h"
#include "skin/SharedBackground.h"
#include "skin/SkinCommandMessage.h"
#include "skin/TsBackgroundRequest.h"
#include "skin/TsCommonData.h"
#include "skin/TsSkinManager.h"

namespace {
// Puts a finished picture on the window's context at the given place.
void Blit(HDC dc, const TRect& r, Bitmap& picture) {
  DeviceContext source(picture);
  BitBlt(dc, r.Left, r.Top, r.Width(), r.Height(), &source, 0, 0, SRCCOPY);
}
}  // namespace

TacScrollWnd::Background TacScrollWnd::ParentBackground() const {
  Background result;
  const HWND parent = GetParent(hwnd_);
  RECT window{};
  GetWindowRect(hwnd_, &window);
  POINT origin{window.Left, window.Top};
  if (parent) ScreenToClient(parent, &origin);
  result.Position = Point(origin.X, origin.Y);
  TsBackgroundRequest request;
  TControl* owner = OwnerControl();
  if (owner && owner->Parent()) AskForBackground(request, owner->Parent(), false);
  else if (parent) AskForBackground(request, parent, false);
  if (request.BgKind == bgBitmap && request.BgBmp) {
    result.Ci = CacheInfoFromRequest(request);
  } else {
    result.Ci = EmptyCI();
    result.Color = request.BgKind == bgColor ? request.BgColor : ParentColor(parent);
  }
  if (result.Color == clFuchsia) result.Color = ParentColor(parent);
  return result;
}

void TacScrollWnd::PaintBars(HDC dc) {
  if (detached_ || !IsWindow(hwnd_) || !manager_) return;
  if (skinData_ && skinData_->Updating()) return;
  if (!OwnerShowing()) return;
  if (skinData_ && skinData_->BackgroundChanged()) {
    const std::shared_ptr<bool> alive = alive_;
    SendMessage(hwnd_, SM_SKINCOMMAND, SkinCommand(SKC_PREPARE_FADE), 0);
    if (!*alive || detached_) return;
  }
  auto paint = [this](HDC target) {
    const TacScrollTracking& t = ScrollTracking();
    for (const int kind : {kBarHorizontal, kBarVertical})
      if (Bar(kind).Visible) PaintBar(target, kind, t.PressedKind == kind ? t.PressedUnderPointer : kPortionNone);
    PaintSizeBox(target);
  };
  if (dc) paint(dc);
  else PaintOnWindowDC(hwnd_, paint);
}

void TacScrollWnd::PaintBar(HDC dc, int kind, int pressedPortion) {
  TacScrollBar& bar = Bar(kind);
  if (detached_ || !bar.Visible || !manager_) return;
  const TsSkinContent& skin = manager_->Content();
  TacScrollBarPainter painter(skin);
  if (!painter.CanPaint(kind)) return;
  const TRect r = BarRect(kind);
  if (BarExtent(r, kind) < 2) return;
  ReadScrollInfo(bar);
  const int a = ArrowLength(bar, true);
  const int extent = BarExtent(r, kind);
  if (extent <= 0) return;
  TControl* owner = OwnerControl();
  const bool enabled = BarEnabled(kind) && (!owner || owner->Enabled());

  const TacScrollTracking& t = ScrollTracking();
  const bool hovered = t.HoverWindow == hwnd_;
  const bool thisBarHot = hovered && t.HoverKind == kind && enabled;
  if (!hovered) pressedPortion = kPortionNone;

  TacBarLook look;
  look.Kind = kind;
  look.Width = r.Width();
  look.Height = r.Height();
  look.Arrow = a;
  look.DefaultArrow = ArrowLength(bar, false);
  look.FirstArrowState = pressedPortion == kPortionFirstArrow ? 2 : (thisBarHot && t.HotPortion == kPortionFirstArrow ? 1 : 0);
  look.SecondArrowState =
      pressedPortion == kPortionSecondArrow ? 2 : (thisBarHot && t.HotPortion == kPortionSecondArrow ? 1 : 0);
  look.TrackBeforeState = pressedPortion == kPortionTrackBefore ? 2 : 0;
  look.TrackAfterState = pressedPortion == kPortionTrackAfter ? 2 : 0;
  const TacThumb thumb = ThumbGeometry(bar.ScrollInfo, bar.MinThumbLength, r, kind, a);
  look.ThumbStart = thumb.Start - BarStart(r, kind);
  look.ThumbLength = thumb.Length;
  const SCROLLINFO& si = bar.ScrollInfo;
  const int shown = std::max(MulDivRounded(si.nPage, extent - 2 * a, static_cast<std::int64_t>(si.nMax) - si.nMin),
                             bar.MinThumbLength);
  look.DrawThumb = enabled && shown > 0 && shown <= extent - 2 * a;
  const bool thumbPressed = pressedPortion == kPortionThumb || (thumbTracking_ && t.PressedKind == kind);
  look.ThumbState = thumbPressed ? 2 : (thisBarHot && t.HotPortion == kPortionThumb ? 1 : 0);
  look.Enabled = enabled;
  const Background background = ParentBackground();
  look.Background = background.Ci;
  look.Position = Point(background.Position.X + r.Left, background.Position.Y + r.Top);
  look.ParentColor = background.Color;
  Bitmap picture = painter.Paint(look);
  Blit(dc, r, picture);
}

void TacScrollWnd::PaintDraggedBar(int thumbStart) {
  TacScrollTracking& t = ScrollTracking();
  const int kind = t.PressedKind;
  TacScrollBar& bar = Bar(kind);
  if (!bar.Visible || !manager_) return;
  TacScrollBarPainter painter(manager_->Content());
  if (!painter.CanPaint(kind)) return;
  const TRect r = BarRect(kind);
  TacBarLook look;
  look.Kind = kind;
  look.Width = r.Width();
  look.Height = r.Height();
  look.Arrow = ArrowLength(bar, true);
  look.DefaultArrow = ArrowLength(bar, false);
  look.DrawThumb = true;
  look.ThumbStart = thumbStart - BarStart(r, kind);
  look.ThumbLength = t.DragThumbLength;
  look.ThumbState = 2;
  const Background background = ParentBackground();
  look.Background = background.Ci;
  look.Position = Point(background.Position.X + r.Left, background.Position.Y + r.Top);
  look.ParentColor = background.Color;
  Bitmap picture = painter.Paint(look);
  PaintOnWindowDC(hwnd_, [&](HDC dc) { Blit(dc, r, picture); });
}

void TacScrollWnd::PaintSizeBox(HDC dc) {
  if (!hbar_.Visible || !vbar_.Visible || !manager_) return;
  const TRect h = BarRect(kBarHorizontal);
  const TRect v = BarRect(kBarVertical);
  const TRect box{v.Left, h.Top, v.Right, h.Bottom};
  const Background background = ParentBackground();
  Bitmap picture = TacScrollBarPainter(manager_->Content())
                       .PaintSizeBox(box.Width(), box.Height(), background.Ci,
                                     Point(background.Position.X + box.Left, background.Position.Y + box.Top),
                                     background.Color, CornerAtParentGrip());
  Blit(dc, box, picture);
}
