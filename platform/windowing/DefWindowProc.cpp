// DefWindowProc: what a window does with the messages its own procedure
// passes on, including the whole default non-client behaviour.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>

#include "platform/graphics/Gdi.h"
#include "platform/windowing/InputRouter.h"
#include "platform/windowing/PaintScheduler.h"
#include "platform/windowing/WinUser.h"
#include "platform/windowing/WindowManager.h"
#include "platform/windowing/nonclient/CaptionDragTracker.h"
#include "platform/windowing/nonclient/DefaultFrame.h"
#include "platform/windowing/nonclient/FrameButtonTracker.h"
#include "platform/windowing/nonclient/ScrollBarTracker.h"

namespace {
POINT pointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

int cursorForHit(int hit, const Window& w) {
  switch (hit) {
    case HTLEFT:
    case HTRIGHT: return IDC_SIZEWE;
    case HTTOP:
    case HTBOTTOM: return IDC_SIZENS;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: return IDC_SIZENWSE;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: return IDC_SIZENESW;
    case HTCLIENT: return w.windowClass && w.windowClass->cursor ? w.windowClass->cursor : IDC_ARROW;
    default: return IDC_ARROW;
  }
}

void repaintFrame(Window* w) { wm().painter().invalidate(w, &w->update, false, true, false); }

LRESULT nonClientButtonDown(HWND hwnd, Window* w, int hit, POINT screen) {
  switch (hit) {
    case HTCAPTION:
      if (!w->maximized) SendMessage(hwnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, MAKELPARAM(screen.X, screen.Y));
      return 0;
    case HTCLOSE:
    case HTMINBUTTON:
    case HTMAXBUTTON:
      wm().input().startTracker(std::make_unique<FrameButtonTracker>(hwnd, hit));
      return 0;
    case HTHSCROLL:
    case HTVSCROLL:
      wm().input().startTracker(std::make_unique<ScrollBarTracker>(hwnd, hit == HTHSCROLL ? SB_HORZ : SB_VERT, screen));
      return 0;
    default:
      return 0;
  }
}

LRESULT systemCommand(HWND hwnd, Window* w, WPARAM wParam, LPARAM lParam) {
  switch (wParam & 0xFFF0) {
    case SC_CLOSE: return SendMessage(hwnd, WM_CLOSE, 0, 0);
    case SC_MINIMIZE: ShowWindow(hwnd, SW_MINIMIZE); return 0;
    case SC_MAXIMIZE: ShowWindow(hwnd, SW_SHOWMAXIMIZED); return 0;
    case SC_RESTORE: ShowWindow(hwnd, SW_RESTORE); return 0;
    case SC_MOVE: {
      // Keyboard moves (no pointer position) are not offered.
      if (w->isChild() || lParam == 0) return 0;
      wm().input().startTracker(std::make_unique<CaptionDragTracker>(hwnd, pointOf(lParam)));
      return 0;
    }
    default: return 0;
  }
}

// WM_PRINT: the window's frame, background, client and children into a foreign context.
void printWindow(HWND hwnd, Window* w, HDC dc, LPARAM flags) {
  if ((flags & PRF_CHECKVISIBLE) && !IsWindowVisible(hwnd)) return;
  const int saved = SaveDC(dc);
  if (flags & PRF_NONCLIENT) DefaultFrame::paint(*w, dc);
  if (!(w = wm().find(hwnd))) {
    RestoreDC(dc, saved);
    return;
  }
  OffsetViewportOrgEx(dc, w->client.Left, w->client.Top);
  IntersectClipRect(dc, 0, 0, w->client.Width(), w->client.Height());
  if (flags & PRF_ERASEBKGND) SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  if (flags & PRF_CLIENT) SendMessage(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), flags);
  if ((flags & PRF_CHILDREN) && (w = wm().find(hwnd))) {
    const std::vector<HWND> children = w->children;
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
      Window* c = wm().find(*it);
      if (!c || !(c->style & WS_VISIBLE)) continue;
      const int childSaved = SaveDC(dc);
      OffsetViewportOrgEx(dc, c->rect.Left, c->rect.Top);
      IntersectClipRect(dc, 0, 0, c->width(), c->height());
      SendMessage(*it, WM_PRINT, reinterpret_cast<WPARAM>(dc), flags & ~PRF_CHECKVISIBLE);
      RestoreDC(dc, childSaved);
    }
  }
  RestoreDC(dc, saved);
}
// The frame: creation, size, hit test, painting, activation and presses.
std::optional<LRESULT> nonClientMessage(HWND hwnd, Window* w, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_NCCREATE: {
      const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
      if (cs && cs->lpszName) w->text = cs->lpszName;
      return TRUE;
    }
    case WM_NCCALCSIZE: {
      auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
      if (!params) return 0;
      params->rgrc[0] = DefaultFrame::clientFromWindow(params->rgrc[0], w->style, w->exStyle, w->hbarShown, w->vbarShown);
      return 0;
    }
    case WM_NCHITTEST: {
      const POINT o = wm().screenOrigin(w);
      const POINT p = pointOf(lParam);
      return DefaultFrame::hitTest(*w, {p.X - o.X, p.Y - o.Y});
    }
    case WM_NCPAINT: {
      HDC dc = GetWindowDC(hwnd);
      if (!dc) return 0;
      DefaultFrame::paint(*w, dc);
      ReleaseDC(hwnd, dc);
      return 0;
    }
    case WM_NCACTIVATE:
      w->ncActive = wParam != 0;
      repaintFrame(w);
      return TRUE;
    case WM_NCLBUTTONDOWN: {
      if (Window* top = wm().find(wm().rootOf(hwnd)); top && wm().active() != top->hwnd) SetActiveWindow(top->hwnd);
      if (!(w = wm().find(hwnd))) return 0;
      return nonClientButtonDown(hwnd, w, static_cast<int>(wParam), pointOf(lParam));
    }
    case WM_NCLBUTTONDBLCLK:
      if (wParam == HTCAPTION && (w->style & WS_MAXIMIZEBOX))
        return SendMessage(hwnd, WM_SYSCOMMAND, w->maximized ? SC_RESTORE : SC_MAXIMIZE, lParam);
      if (wParam == HTSYSMENU && (w->style & WS_SYSMENU)) return SendMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, lParam);
      // A second press on a button or bar acts like the first.
      return nonClientButtonDown(hwnd, w, static_cast<int>(wParam), pointOf(lParam));
    default: return std::nullopt;
  }
}

// Activation, the cursor, system commands and the keys and wheel nobody took.
std::optional<LRESULT> activationAndInput(HWND hwnd, Window* w, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) {
        // Keep the focus where it was inside this window, else take it.
        const HWND focus = GetFocus();
        if (!focus || wm().rootOf(focus) != hwnd) SetFocus(hwnd);
      }
      return 0;
    case WM_MOUSEACTIVATE: return 1;  // MA_ACTIVATE
    case WM_SETCURSOR:
      // The parent may choose the cursor for its children first.
      if (w->isChild() && SendMessage(w->parent, WM_SETCURSOR, wParam, lParam)) return TRUE;
      if (!(w = wm().find(hwnd)) || reinterpret_cast<HWND>(wParam) != hwnd) return FALSE;
      SetCursor(cursorForHit(static_cast<std::int16_t>(LOWORD(static_cast<std::uintptr_t>(lParam))), *w));
      return TRUE;
    case WM_SYSCOMMAND: return systemCommand(hwnd, w, wParam, lParam);
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    case WM_SYSKEYDOWN:
      if (wParam == VK_F4 && (lParam & (LPARAM(1) << 29))) {
        const HWND top = wm().rootOf(hwnd);
        // A child hands Alt+F4 to its top-level window, whose procedure
        // (a skinned frame, say) decides; the top-level one closes itself.
        if (top != hwnd) return SendMessage(top, WM_SYSKEYDOWN, wParam, lParam);
        if (Window* t = wm().find(top); t && (t->style & WS_SYSMENU)) PostMessage(top, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      return 0;
    case WM_MOUSEWHEEL:
      // Unhandled wheel turns go up to the parent.
      if (w->isChild()) return SendMessage(w->parent, WM_MOUSEWHEEL, wParam, lParam);
      return 0;
    default: return std::nullopt;
  }
}

// The client's background and painting, printing, and redraw switched off.
std::optional<LRESULT> paintMessage(HWND hwnd, Window* w, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND: {
      const TColor background = w->windowClass ? w->windowClass->background : clNone;
      if (background == clNone || !wParam) return 0;
      FillRect(reinterpret_cast<HDC>(wParam), Bounds(0, 0, w->client.Width(), w->client.Height()), background);
      return 1;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(hwnd, &ps);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_PRINT:
      printWindow(hwnd, w, reinterpret_cast<HDC>(wParam), lParam);
      return 0;
    case WM_SETREDRAW:
      w->redrawEnabled = wParam != 0;
      return 0;
    default: return std::nullopt;
  }
}

// WM_GETTEXT: the text into a buffer of `size` bytes, never cutting a UTF-8
// sequence in half.
LRESULT copyText(const Window& w, char* buffer, std::size_t size) {
  if (!buffer || size == 0) return 0;
  std::size_t n = std::min(w.text.size(), size - 1);
  while (n > 0 && n < w.text.size() && (static_cast<unsigned char>(w.text[n]) & 0xC0) == 0x80) --n;
  std::memcpy(buffer, w.text.data(), n);
  buffer[n] = '\0';
  return static_cast<LRESULT>(n);
}

// The window's text, and the moves and sizes a placement change announces.
std::optional<LRESULT> textAndPlacement(HWND hwnd, Window* w, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_SETTEXT: {
      const char* text = reinterpret_cast<const char*>(lParam);
      w->text = text ? text : "";
      if (w->isTopLevel() && w->native && wm().hasBackend()) wm().backend().setTitle(w->native, w->text);
      if (!DefaultFrame::captionRect(*w).IsEmpty()) repaintFrame(w);
      return TRUE;
    }
    case WM_GETTEXT: return copyText(*w, reinterpret_cast<char*>(lParam), static_cast<std::size_t>(wParam));
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(w->text.size());
    case WM_WINDOWPOSCHANGED: {
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
      if (!pos) return 0;
      if (!(pos->flags & SWP_NOMOVE))
        SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(w->rect.Left + w->client.Left, w->rect.Top + w->client.Top));
      if (!(w = wm().find(hwnd))) return 0;
      if (!(pos->flags & SWP_NOSIZE) || (pos->flags & SWP_FRAMECHANGED))
        SendMessage(hwnd, WM_SIZE, w->maximized ? SIZE_MAXIMIZED : SIZE_RESTORED,
                    MAKELPARAM(w->client.Width(), w->client.Height()));
      return 0;
    }
    default: return std::nullopt;
  }
}

}  // namespace

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* w = wm().find(hwnd);
  if (!w) return 0;
  if (const std::optional<LRESULT> answer = nonClientMessage(hwnd, w, msg, wParam, lParam)) return *answer;
  if (const std::optional<LRESULT> answer = activationAndInput(hwnd, w, msg, wParam, lParam)) return *answer;
  if (const std::optional<LRESULT> answer = paintMessage(hwnd, w, msg, wParam, lParam)) return *answer;
  if (const std::optional<LRESULT> answer = textAndPlacement(hwnd, w, msg, wParam, lParam)) return *answer;
  // WM_GETMINMAXINFO, WM_GETDLGCODE and the rest: nothing to do.
  return 0;
}
