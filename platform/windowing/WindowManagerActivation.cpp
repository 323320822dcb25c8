// WindowManager, continued: activation of top-level windows and the
// keyboard focus.
#include "platform/windowing/InputRouter.h"
#include "platform/windowing/PaintScheduler.h"
#include "platform/windowing/WindowManager.h"

HWND WindowManager::setActive(HWND hwnd, bool byMouse) {
  const HWND previous = active_;
  if (hwnd) {
    hwnd = rootOf(hwnd);
    Window* w = find(hwnd);
    if (!w || !isVisible(w) || !isEnabledTree(w)) return previous;
  }
  if (hwnd == active_) {
    if (Window* w = find(hwnd)) bringToTop(w);
    return previous;
  }
  DispatchScope scope(*this);
  if (!hooks_.empty() && hwnd) {
    CBTACTIVATESTRUCT cbt{byMouse ? TRUE : FALSE, active_};
    if (hooks_.call(HCBT_ACTIVATE, reinterpret_cast<WPARAM>(hwnd), reinterpret_cast<LPARAM>(&cbt)) != 0)
      return previous;
    if (hwnd && !find(hwnd)) return previous;
  }
  // The window losing activation hears it first.
  if (previous && find(previous)) {
    send(previous, WM_NCACTIVATE, FALSE, reinterpret_cast<LPARAM>(hwnd));
    send(previous, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), reinterpret_cast<LPARAM>(hwnd));
  }
  active_ = hwnd;
  if (!hwnd) {
    if (appActive_) {
      appActive_ = false;
      for (HWND top : std::vector<HWND>(topLevels_)) send(top, WM_ACTIVATEAPP, FALSE, 0);
    }
    if (focus_) {
      const HWND losing = focus_;
      focus_ = nullptr;
      send(losing, WM_KILLFOCUS, 0, 0);
    }
    return previous;
  }
  if (!appActive_) {
    appActive_ = true;
    for (HWND top : std::vector<HWND>(topLevels_)) send(top, WM_ACTIVATEAPP, TRUE, 0);
  }
  Window* w = find(hwnd);
  if (!w) return previous;
  bringToTop(w);
  if (w->native) backend().setVisible(w->native, true, true);
  send(hwnd, WM_NCACTIVATE, TRUE, reinterpret_cast<LPARAM>(previous));
  // DefWindowProc gives the focus to the window on WM_ACTIVATE.
  send(hwnd, WM_ACTIVATE, MAKEWPARAM(byMouse ? WA_CLICKACTIVE : WA_ACTIVE, 0), reinterpret_cast<LPARAM>(previous));
  return previous;
}

HWND WindowManager::setFocus(HWND hwnd) {
  const HWND previous = focus_;
  if (hwnd == focus_) return previous;
  DispatchScope scope(*this);
  if (hwnd) {
    Window* w = find(hwnd);
    if (!w || !isEnabledTree(w)) return nullptr;
    if (!hooks_.empty() && hooks_.call(HCBT_SETFOCUS, reinterpret_cast<WPARAM>(hwnd), reinterpret_cast<LPARAM>(focus_)))
      return nullptr;
    // Focusing a window inside an inactive top-level activates it first.
    const HWND top = rootOf(hwnd);
    if (top != active_) {
      setActive(top, false);
      if (focus_ == hwnd) return previous;
      if (!find(hwnd)) return nullptr;
    }
  }
  const HWND losing = focus_;
  focus_ = hwnd;
  if (losing && find(losing)) send(losing, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
  // The receiver of WM_KILLFOCUS may have moved the focus elsewhere already.
  if (hwnd && focus_ == hwnd && find(hwnd)) send(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(losing), 0);
  return previous;
}

void WindowManager::activateNext(HWND leaving) {
  Window* w = find(leaving);
  // The owner first, then the topmost other visible top-level window.
  if (w && w->owner) {
    if (Window* owner = find(w->owner); owner && isVisible(owner) && isEnabledTree(owner)) {
      setActive(w->owner, false);
      return;
    }
  }
  for (HWND top : std::vector<HWND>(topLevels_)) {
    if (top == leaving) continue;
    Window* t = find(top);
    if (t && isVisible(t) && isEnabledTree(t) && !(t->exStyle & (WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW))) {
      setActive(top, false);
      return;
    }
  }
  setActive(nullptr, false);
}
