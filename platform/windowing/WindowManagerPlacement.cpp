// WindowManager, continued: coordinates, position, size, visibility,
// enabling and window longs.
#include <algorithm>

#include "platform/windowing/InputRouter.h"
#include "platform/windowing/PaintScheduler.h"
#include "platform/windowing/WindowManager.h"

// ---- coordinates

POINT WindowManager::screenOrigin(const Window* w) const {
  POINT p{w->rect.Left, w->rect.Top};
  while (w->isChild()) {
    const Window* parent = find(w->parent);
    if (!parent) break;
    p.X += parent->rect.Left + parent->client.Left;
    p.Y += parent->rect.Top + parent->client.Top;
    w = parent;
  }
  return p;
}

POINT WindowManager::surfaceOrigin(const Window* w) const {
  POINT p{0, 0};
  while (w->isChild()) {
    const Window* parent = find(w->parent);
    if (!parent) break;
    p.X += w->rect.Left + parent->client.Left;
    p.Y += w->rect.Top + parent->client.Top;
    w = parent;
  }
  return p;
}

RECT WindowManager::screenRect(const Window* w) const {
  const POINT o = screenOrigin(w);
  return Bounds(o.X, o.Y, w->width(), w->height());
}

void WindowManager::recalcClient(Window* w) {
  const HWND hwnd = w->hwnd;
  NCCALCSIZE_PARAMS params;
  params.rgrc[0] = w->rect;
  params.rgrc[1] = w->rect;
  params.rgrc[2] = w->rect;
  send(hwnd, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
  if (!(w = find(hwnd))) return;
  RECT c = params.rgrc[0].Offset(-w->rect.Left, -w->rect.Top);
  // The client area never leaves the window and never turns inside out.
  c.Left = std::clamp(c.Left, 0, w->width());
  c.Top = std::clamp(c.Top, 0, w->height());
  c.Right = std::clamp(c.Right, c.Left, w->width());
  c.Bottom = std::clamp(c.Bottom, c.Top, w->height());
  w->client = c;
}

// ---- position and size

bool WindowManager::setWindowPos(HWND hwnd, HWND after, int x, int y, int cx, int cy, UINT flags) {
  Window* w = find(hwnd);
  if (!w) return false;
  DispatchScope scope(*this);
  WINDOWPOS pos{hwnd, after, x, y, std::max(0, cx), std::max(0, cy), flags};
  if (flags & SWP_NOMOVE) {
    pos.x = w->rect.Left;
    pos.y = w->rect.Top;
  }
  if (flags & SWP_NOSIZE) {
    pos.cx = w->width();
    pos.cy = w->height();
  }
  if (!(flags & SWP_NOSENDCHANGING)) {
    send(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    if (!(w = find(hwnd))) return false;
  }
  const bool wasVisible = isVisible(w);
  const RECT oldRect = w->rect;
  const RECT newRect = Bounds(pos.x, pos.y, std::max(0, pos.cx), std::max(0, pos.cy));
  const bool moved = newRect.Left != oldRect.Left || newRect.Top != oldRect.Top;
  const bool sized = newRect.Width() != oldRect.Width() || newRect.Height() != oldRect.Height();

  // What was under the window in its parent has to be painted again.
  if (wasVisible && (moved || sized || (flags & SWP_HIDEWINDOW))) painter_->invalidateUnder(w);

  w->rect = newRect;
  if (sized || (flags & SWP_FRAMECHANGED)) {
    recalcClient(w);
    if (!(w = find(hwnd))) return false;
  }
  if (w->isTopLevel()) {
    if (sized) painter_->resizeSurface(w);
    if ((moved || sized) && w->native) backend().setBounds(w->native, w->rect);
  }
  if (!(flags & SWP_NOZORDER)) {
    if (after == HWND_TOPMOST) w->exStyle |= WS_EX_TOPMOST;
    if (after == HWND_NOTOPMOST) w->exStyle &= ~WS_EX_TOPMOST;
    if (after == HWND_TOPMOST || after == HWND_NOTOPMOST || after == HWND_TOP) link(w, HWND_TOP);
    else link(w, after);
    if (w->isTopLevel() && w->native && (after == HWND_TOP || after == HWND_TOPMOST)) backend().raise(w->native);
  }
  if (flags & SWP_SHOWWINDOW) w->style |= WS_VISIBLE;
  if (flags & SWP_HIDEWINDOW) w->style &= ~WS_VISIBLE;
  const bool nowVisible = isVisible(w);
  if (w->isTopLevel() && w->native && ((flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) || nowVisible != wasVisible))
    backend().setVisible(w->native, nowVisible, false);
  if (!wasVisible && !nowVisible) {
    // Nothing on screen changes.
  } else if (!(flags & SWP_NOREDRAW)) {
    if (sized || (flags & SWP_FRAMECHANGED) || (nowVisible && !wasVisible) || (!(flags & SWP_NOZORDER)))
      painter_->invalidateWindowArea(w);
    else if (moved && w->isChild())
      painter_->invalidateWindowArea(w);
  }
  if (wasVisible && !nowVisible) {
    // Activation, focus and capture leave a window that disappears.
    if (focus_ && (focus_ == hwnd || IsChild(hwnd, focus_))) {
      const HWND losing = focus_;
      focus_ = nullptr;
      send(losing, WM_KILLFOCUS, 0, 0);
    }
    if (input_->capture() && (input_->capture() == hwnd || IsChild(hwnd, input_->capture()))) input_->releaseCapture();
    if (active_ == hwnd) activateNext(hwnd);
  }
  if (!(w = find(hwnd))) return false;
  if (nowVisible && !wasVisible && w->isTopLevel() && !(flags & SWP_NOACTIVATE) &&
      !(w->exStyle & WS_EX_NOACTIVATE))
    setActive(hwnd, false);
  if (!(w = find(hwnd))) return false;
  pos.x = w->rect.Left;
  pos.y = w->rect.Top;
  pos.cx = w->width();
  pos.cy = w->height();
  if (!moved) pos.flags |= SWP_NOMOVE;
  if (!sized) pos.flags |= SWP_NOSIZE;
  send(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
  return true;
}

// ---- showing and hiding

bool WindowManager::show(HWND hwnd, int command) {
  Window* w = find(hwnd);
  if (!w) return false;
  DispatchScope scope(*this);
  const bool wasVisible = (w->style & WS_VISIBLE) != 0;
  if (command == SW_HIDE) {
    if (!wasVisible) return false;
    send(hwnd, WM_SHOWWINDOW, FALSE, 0);
    setWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
  }
  const bool activate = command != SW_SHOWNA && command != SW_SHOWNOACTIVATE && command != SW_SHOWMINNOACTIVE &&
                        command != SW_MINIMIZE;
  if (!wasVisible) {
    send(hwnd, WM_SHOWWINDOW, TRUE, 0);
    if (!(w = find(hwnd))) return false;
  }
  const bool minimize = command == SW_MINIMIZE || command == SW_SHOWMINIMIZED || command == SW_SHOWMINNOACTIVE;
  const bool maximize = command == SW_SHOWMAXIMIZED;
  const bool restore = command == SW_RESTORE || command == SW_SHOWNORMAL;
  // Where the desktop has nowhere to put it, the window is shown as it is.
  if (w->isTopLevel() && minimize && !w->minimized && (!w->native || backend().minimize(w->native))) {
    w->minimized = true;
    w->style |= WS_MINIMIZE | WS_VISIBLE;
    painter_->invalidateUnder(w);
    if (active_ == hwnd) activateNext(hwnd);
    send(hwnd, WM_SIZE, SIZE_MINIMIZED, 0);
    return wasVisible;
  }
  if (w->isTopLevel() && (restore || maximize) && w->minimized) {
    w->minimized = false;
    w->style &= ~WS_MINIMIZE;
    if (w->native) backend().setVisible(w->native, true, activate);
    painter_->invalidateWindowArea(w);
    if (activate) setActive(hwnd, false);
    if ((w = find(hwnd))) send(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(w->client.Width(), w->client.Height()));
    if (!maximize) return wasVisible;
    if (!(w = find(hwnd))) return wasVisible;
  }
  if (w->isTopLevel() && maximize && !w->maximized) {
    w->restoreRect = w->rect;
    w->maximized = true;
    w->style |= WS_MAXIMIZE;
    const SIZE screen = backend().screenSize();
    setWindowPos(hwnd, nullptr, 0, 0, screen.cx, screen.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  } else if (w->isTopLevel() && restore && w->maximized) {
    w->maximized = false;
    w->style &= ~WS_MAXIMIZE;
    const RECT r = w->restoreRect;
    setWindowPos(hwnd, nullptr, r.Left, r.Top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
  if (!find(hwnd)) return wasVisible;
  UINT flags = SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER;
  if (!activate) flags |= SWP_NOACTIVATE;
  if (!wasVisible) setWindowPos(hwnd, nullptr, 0, 0, 0, 0, flags);
  else if (activate && find(hwnd)->isTopLevel()) setActive(hwnd, false);
  return wasVisible;
}

bool WindowManager::enable(HWND hwnd, bool enableIt) {
  Window* w = find(hwnd);
  if (!w) return false;
  const bool wasDisabled = (w->style & WS_DISABLED) != 0;
  if (wasDisabled == !enableIt) return wasDisabled;
  DispatchScope scope(*this);
  if (enableIt) w->style &= ~WS_DISABLED;
  else w->style |= WS_DISABLED;
  if (!enableIt) {
    if (focus_ && (focus_ == hwnd || IsChild(hwnd, focus_))) {
      const HWND losing = focus_;
      focus_ = nullptr;
      send(losing, WM_KILLFOCUS, 0, 0);
    }
    if (input_->capture() == hwnd) input_->releaseCapture();
  }
  send(hwnd, WM_ENABLE, enableIt ? TRUE : FALSE, 0);
  return wasDisabled;
}

LONG_PTR WindowManager::setLong(HWND hwnd, int index, LONG_PTR value) {
  Window* w = find(hwnd);
  if (!w) return 0;
  switch (index) {
    case GWLP_WNDPROC: {
      const auto previous = reinterpret_cast<LONG_PTR>(w->proc);
      if (value) w->proc = reinterpret_cast<WNDPROC>(value);
      return previous;
    }
    case GWLP_USERDATA: {
      const LONG_PTR previous = w->userData;
      w->userData = value;
      return previous;
    }
    case GWLP_ID: {
      const LONG_PTR previous = w->id;
      w->id = value;
      return previous;
    }
    case GWLP_HWNDPARENT: {
      if (w->isChild()) return 0;
      const HWND previous = w->owner;
      const HWND owner = reinterpret_cast<HWND>(value);
      w->owner = find(owner) ? rootOf(owner) : nullptr;
      return reinterpret_cast<LONG_PTR>(previous);
    }
    case GWL_STYLE:
    case GWL_EXSTYLE: {
      DispatchScope scope(*this);
      const bool exStyle = index == GWL_EXSTYLE;
      const DWORD previous = exStyle ? w->exStyle : w->style;
      STYLESTRUCT ss{previous, static_cast<DWORD>(value)};
      send(hwnd, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&ss));
      if (!(w = find(hwnd))) return 0;
      if (exStyle) {
        w->exStyle = ss.styleNew;
      } else {
        // The child bit and visibility are not switched through the style.
        const DWORD fixed = WS_CHILD | WS_VISIBLE;
        w->style = (ss.styleNew & ~fixed) | (w->style & fixed);
        if ((previous ^ w->style) & WS_HSCROLL) w->hbarShown = (w->style & WS_HSCROLL) != 0;
        if ((previous ^ w->style) & WS_VSCROLL) w->vbarShown = (w->style & WS_VSCROLL) != 0;
      }
      send(hwnd, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&ss));
      return static_cast<LONG_PTR>(previous);
    }
    default:
      return 0;
  }
}
