#include "platform/windowing/InputRouter.h"

#include <cstdlib>

#include "platform/graphics/Region.h"
#include "platform/windowing/MouseMessages.h"
#include "platform/windowing/WindowManager.h"

namespace {
constexpr UINT kDoubleClickTime = 500;

// Decodes one UTF-8 sequence; malformed bytes give U+FFFD and move on by one.
char32_t nextCodePoint(const std::string& s, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char c = byte(i);
  int length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
  if (length == 0 || i + length > s.size()) {
    ++i;
    return 0xFFFD;
  }
  char32_t cp = length == 1 ? c : c & (0xFF >> (length + 1));
  for (int k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    cp = (cp << 6) | (byte(i + k) & 0x3F);
  }
  i += length;
  return cp;
}
}  // namespace

InputRouter::InputRouter(WindowManager& wm) : wm_(wm) {}
InputRouter::~InputRouter() = default;

// ---- finding the target

int InputRouter::hitTest(HWND hwnd, POINT screen) {
  return static_cast<int>(wm_.send(hwnd, WM_NCHITTEST, 0, MAKELPARAM(screen.X, screen.Y)));
}

namespace {
bool shapeHolds(const Window* w, POINT inWindow) {
  if (!Bounds(0, 0, w->width(), w->height()).Contains(inWindow)) return false;
  return !w->region || w->region->contains(inWindow.X, inWindow.Y);
}
}  // namespace

HWND InputRouter::findIn(HWND hwnd, POINT screen, int* hit) {
  Window* w = wm_.find(hwnd);
  if (!w) return nullptr;
  const POINT o = wm_.screenOrigin(w);
  // Children first, front to back; a child answering HTTRANSPARENT lets the
  // search go on to the siblings below it.
  if (w->client.Contains({screen.X - o.X, screen.Y - o.Y})) {
    for (HWND child : std::vector<HWND>(w->children)) {
      Window* c = wm_.find(child);
      if (!c || !(c->style & WS_VISIBLE) || (c->style & WS_DISABLED)) continue;
      const POINT co = wm_.screenOrigin(c);
      if (!shapeHolds(c, {screen.X - co.X, screen.Y - co.Y})) continue;
      if (HWND found = findIn(child, screen, hit)) return found;
    }
  }
  const int code = hitTest(hwnd, screen);
  if (!wm_.find(hwnd) || code == HTTRANSPARENT) return nullptr;
  *hit = code;
  return hwnd;
}

HWND InputRouter::windowFromPoint(POINT screen, int* hit) {
  *hit = HTNOWHERE;
  for (HWND top : std::vector<HWND>(wm_.topLevels())) {
    Window* w = wm_.find(top);
    if (!w || !wm_.isVisible(w)) continue;
    const POINT origin = wm_.screenOrigin(w);
    if (!shapeHolds(w, {screen.X - origin.X, screen.Y - origin.Y})) continue;
    if (HWND found = findIn(top, screen, hit)) return found;
  }
  return nullptr;
}

// ---- mouse

WPARAM InputRouter::mouseKeys() const {
  WPARAM keys = 0;
  if (keys_[VK_LBUTTON] & 0x80) keys |= MK_LBUTTON;
  if (keys_[VK_RBUTTON] & 0x80) keys |= MK_RBUTTON;
  if (keys_[VK_MBUTTON] & 0x80) keys |= MK_MBUTTON;
  if (keys_[VK_SHIFT] & 0x80) keys |= MK_SHIFT;
  if (keys_[VK_CONTROL] & 0x80) keys |= MK_CONTROL;
  return keys;
}

void InputRouter::postMouse(HWND target, int hit, UINT clientMsg, UINT ncMsg, POINT screen, WPARAM extra) {
  MSG msg;
  msg.hwnd = target;
  msg.time = static_cast<DWORD>(wm_.now());
  msg.pt = screen;
  if (hit == HTCLIENT || target == capture_) {
    POINT p = screen;
    ScreenToClient(target, &p);
    msg.message = clientMsg;
    msg.wParam = mouseKeys() | extra;
    msg.lParam = MAKELPARAM(p.X, p.Y);
  } else {
    msg.message = ncMsg;
    msg.wParam = static_cast<WPARAM>(hit);
    msg.lParam = MAKELPARAM(screen.X, screen.Y);
  }
  wm_.queue().post(msg);
}

void InputRouter::updateHover(HWND under, bool inClient) {
  if (trackLeaveClient_ && !(under == trackLeaveClient_ && inClient) && capture_ != trackLeaveClient_) {
    PostMessage(trackLeaveClient_, WM_MOUSELEAVE, 0, 0);
    trackLeaveClient_ = nullptr;
  }
  if (trackLeaveNonClient_ && !(under == trackLeaveNonClient_ && !inClient) && capture_ != trackLeaveNonClient_) {
    PostMessage(trackLeaveNonClient_, WM_NCMOUSELEAVE, 0, 0);
    trackLeaveNonClient_ = nullptr;
  }
  hoverInClient_ = inClient;
  if (under == hover_) return;
  const HWND left = hover_;
  hover_ = under;
  if (transitionHook_) transitionHook_(left, under);
}

void InputRouter::mouseMove(POINT screen) {
  cursor_ = screen;
  if (tracker_) {
    tracker_->mouseMove(screen);
    return;
  }
  int hit = HTNOWHERE;
  const HWND under = windowFromPoint(screen, &hit);
  updateHover(under, hit == HTCLIENT);
  const HWND target = capture_ ? capture_ : under;
  if (!target) return;
  if (!capture_) {
    Window* w = wm_.find(target);
    if (!w || !wm_.isEnabledTree(w)) return;
    wm_.send(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(hit, WM_MOUSEMOVE));
    if (!wm_.find(target)) return;
  }
  postMouse(target, hit, WM_MOUSEMOVE, WM_NCMOUSEMOVE, screen, 0);
}

bool InputRouter::isDoubleClick(HWND target, MouseButton button, bool client, POINT screen) {
  const std::uint64_t now = wm_.now();
  const int dx = GetSystemMetrics(SM_CXDOUBLECLK) / 2;
  const int dy = GetSystemMetrics(SM_CYDOUBLECLK) / 2;
  const bool isDouble = lastClick_.hwnd == target && lastClick_.button == static_cast<int>(button) &&
                        lastClick_.client == client && now - lastClick_.time <= kDoubleClickTime &&
                        std::abs(screen.X - lastClick_.at.X) <= dx && std::abs(screen.Y - lastClick_.at.Y) <= dy;
  if (isDouble) {
    // The third click starts a new pair.
    lastClick_ = LastClick{};
    return true;
  }
  lastClick_ = LastClick{target, static_cast<int>(button), client, screen, now};
  return false;
}

bool InputRouter::activateEnabledPopupOf(HWND top) {
  for (HWND other : std::vector<HWND>(wm_.topLevels()))
    if (Window* o = wm_.find(other); o && o->owner == top && wm_.isVisible(o) && wm_.isEnabledTree(o)) {
      wm_.setActive(other, true);
      return true;
    }
  return false;
}

void InputRouter::activateForClick(HWND target) {
  const HWND top = wm_.rootOf(target);
  Window* t = wm_.find(top);
  if (!t || top == wm_.active() || (t->exStyle & WS_EX_NOACTIVATE)) return;
  wm_.setActive(top, true);
}

void InputRouter::mouseButton(POINT screen, MouseButton button, bool down) {
  cursor_ = screen;
  static constexpr int kButtonKeys[] = {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON};
  BYTE& state = keys_[kButtonKeys[static_cast<int>(button)]];
  if (down) state = static_cast<BYTE>((state ^ 0x01) | 0x80);
  else state &= 0x01;
  if (tracker_) {
    if (!down && button == MouseButton::Left) {
      std::unique_ptr<SystemTracker> ending = std::move(tracker_);
      ending->buttonUp(screen);
    }
    return;
  }
  int hit = HTNOWHERE;
  const HWND under = windowFromPoint(screen, &hit);
  HWND target = capture_ ? capture_ : under;
  if (!target) return;
  if (!capture_) {
    Window* w = wm_.find(target);
    if (!w) return;
    // A click on a disabled window brings its enabled modal pop-up forward.
    if (!wm_.isEnabledTree(w)) {
      activateEnabledPopupOf(wm_.rootOf(target));
      MessageBeep(MB_OK);
      return;
    }
  }
  if (down) {
    activateForClick(target);
    if (!wm_.find(target)) return;
  }
  const bool client = hit == HTCLIENT || target == capture_;
  static constexpr UINT kClient[3][3] = {{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK},
                                         {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK},
                                         {WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK}};
  static constexpr UINT kNonClient[3][3] = {{WM_NCLBUTTONDOWN, WM_NCLBUTTONUP, WM_NCLBUTTONDBLCLK},
                                            {WM_NCRBUTTONDOWN, WM_NCRBUTTONUP, WM_NCRBUTTONDBLCLK},
                                            {WM_NCMBUTTONDOWN, WM_NCMBUTTONUP, WM_NCMBUTTONDBLCLK}};
  const int b = static_cast<int>(button);
  int kind = down ? 0 : 1;
  if (down && isDoubleClick(target, button, client, screen)) {
    // Client double clicks only for classes that ask for them; the frame always gets them.
    Window* w = wm_.find(target);
    const bool wants = !client || (w && w->windowClass && (w->windowClass->style & CS_DBLCLKS));
    if (wants) kind = 2;
  }
  postMouse(target, hit, kClient[b][kind], kNonClient[b][kind], screen, 0);
}

void InputRouter::mouseWheel(POINT screen, int delta) {
  cursor_ = screen;
  // The wheel goes to the focus window, as on the classic desktop.
  HWND target = wm_.focus() ? wm_.focus() : wm_.active();
  if (!target) return;
  MSG msg;
  msg.hwnd = target;
  msg.message = WM_MOUSEWHEEL;
  msg.wParam = MAKEWPARAM(static_cast<int>(mouseKeys()), delta);
  msg.lParam = MAKELPARAM(screen.X, screen.Y);
  msg.time = static_cast<DWORD>(wm_.now());
  msg.pt = screen;
  wm_.queue().post(msg);
}

// ---- keyboard

void InputRouter::key(int virtualKey, bool down) {
  if (virtualKey <= 0 || virtualKey > 255) return;
  BYTE& state = keys_[virtualKey];
  const bool wasDown = state & 0x80;
  if (down) state = static_cast<BYTE>((wasDown ? state : state ^ 0x01) | 0x80);
  else state &= 0x01;
  if (tracker_ && down && virtualKey == VK_ESCAPE) {
    std::unique_ptr<SystemTracker> ending = std::move(tracker_);
    ending->cancel();
    return;
  }
  const HWND target = keyTarget();
  if (!target) return;
  Window* w = wm_.find(target);
  if (!w || !wm_.isEnabledTree(w)) return;
  const bool alt = keys_[VK_MENU] & 0x80;
  const bool sys = (alt && !(keys_[VK_CONTROL] & 0x80)) || virtualKey == VK_F10 || virtualKey == VK_MENU;
  MSG msg;
  msg.hwnd = target;
  msg.message = sys ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP);
  msg.wParam = static_cast<WPARAM>(virtualKey);
  // Repeat count 1, context bit for Alt, previous-state and transition bits.
  LPARAM lp = 1;
  if (alt) lp |= LPARAM(1) << 29;
  if (wasDown) lp |= LPARAM(1) << 30;
  if (!down) lp |= LPARAM(1) << 31;
  msg.lParam = static_cast<LPARAM>(static_cast<std::int32_t>(lp));
  msg.time = static_cast<DWORD>(wm_.now());
  msg.pt = cursor_;
  wm_.queue().post(msg);
}

void InputRouter::text(const std::string& utf8) {
  // Ctrl with a key is a shortcut, never typing (Ctrl with Alt is AltGr on
  // the classic desktop, which types). A desktop whose layout has no Latin
  // letters hands over the layout's letter all the same: Ctrl+A under the
  // Russian layout arrives as "ф" too.
  if ((keys_[VK_CONTROL] & 0x80) && !(keys_[VK_MENU] & 0x80)) return;
  const HWND target = keyTarget();
  if (!target) return;
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t cp = nextCodePoint(utf8, i);
    PostMessage(target, WM_CHAR, static_cast<WPARAM>(cp), 1);
  }
}

short InputRouter::keyState(int virtualKey) const {
  if (virtualKey <= 0 || virtualKey > 255) return 0;
  const BYTE s = keys_[virtualKey];
  return static_cast<short>(((s & 0x80) ? 0x8000 : 0) | (s & 0x01));
}

// ---- desktop events

void InputRouter::windowMoved(HWND hwnd, POINT screenTopLeft) {
  Window* w = wm_.find(hwnd);
  if (!w || w->isChild()) return;
  if (w->rect.Left == screenTopLeft.X && w->rect.Top == screenTopLeft.Y) return;
  wm_.setWindowPos(hwnd, nullptr, screenTopLeft.X, screenTopLeft.Y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void InputRouter::windowResized(HWND hwnd, SIZE size) {
  Window* w = wm_.find(hwnd);
  if (!w || w->isChild() || (w->width() == size.cx && w->height() == size.cy)) return;
  wm_.setWindowPos(hwnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void InputRouter::closeRequested(HWND hwnd) {
  Window* w = wm_.find(hwnd);
  // A window without a system menu has no close box: the pupil cannot close
  // it, and neither can the desktop. (The program's own Alt+F4 makes the
  // same check.)
  if (!w || !(w->style & WS_SYSMENU)) return;
  // A window a message box has disabled brings the box forward instead,
  // as a click on it does; the box is answered first.
  if (!wm_.isEnabledTree(w)) {
    activateEnabledPopupOf(hwnd);
    return;
  }
  PostMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void InputRouter::applicationDeactivated() {
  // What the mouse was doing ends (a drag, a menu holding the capture), and
  // the windows hear that the program is inactive, as on every desktop:
  // drop-down lists, menus and hints close, the focus control lets go.
  if (tracker_) {
    std::unique_ptr<SystemTracker> ending = std::move(tracker_);
    ending->cancel();
  }
  if (const HWND captured = capture_) {
    wm_.send(captured, WM_CANCELMODE, 0, 0);
    if (capture_ == captured) releaseCapture();
  }
  if (wm_.active()) wm_.setActive(nullptr, false);
}

void InputRouter::nativeActivated(HWND hwnd) {
  Window* w = wm_.find(hwnd);
  if (!w || hwnd == wm_.active() || !wm_.isEnabledTree(w)) return;
  // A desktop may focus a list or hint as it maps it; it still never becomes
  // the active window (the window it opened over stays active).
  if (w->exStyle & WS_EX_NOACTIVATE) return;
  wm_.setActive(hwnd, false);
}

void InputRouter::nativeRestored(HWND hwnd) {
  Window* w = wm_.find(hwnd);
  if (!w || !w->minimized) return;
  wm_.show(hwnd, SW_RESTORE);
}

// ---- capture and tracking

HWND InputRouter::setCapture(HWND hwnd) {
  const HWND previous = capture_;
  if (!wm_.find(hwnd)) return previous;
  capture_ = hwnd;
  if (previous && previous != hwnd) wm_.send(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
  return previous;
}

HWND InputRouter::setKeyboardGrab(HWND hwnd) {
  const HWND previous = keyboardGrab_;
  keyboardGrab_ = hwnd && wm_.find(hwnd) ? hwnd : nullptr;
  return previous;
}

HWND InputRouter::keyTarget() const {
  if (keyboardGrab_) return keyboardGrab_;
  return wm_.focus() ? wm_.focus() : wm_.active();
}

bool InputRouter::releaseCapture() {
  const HWND previous = capture_;
  capture_ = nullptr;
  if (previous) {
    wm_.send(previous, WM_CAPTURECHANGED, 0, 0);
    // The window under the pointer may have changed while the capture held it.
    int hit = HTNOWHERE;
    const HWND under = windowFromPoint(cursor_, &hit);
    updateHover(under, hit == HTCLIENT);
  }
  return true;
}

bool InputRouter::trackMouseEvent(const TRACKMOUSEEVENT& tme) {
  if (!(tme.dwFlags & TME_LEAVE)) return true;
  const bool nonClient = tme.dwFlags & TME_NONCLIENT;
  HWND& slot = nonClient ? trackLeaveNonClient_ : trackLeaveClient_;
  if (tme.dwFlags & TME_CANCEL) {
    if (slot == tme.hwndTrack) slot = nullptr;
    return true;
  }
  if (!wm_.find(tme.hwndTrack)) return false;
  // Tracking a window the pointer is not over reports the leave at once.
  if (hover_ != tme.hwndTrack || hoverInClient_ == nonClient) {
    PostMessage(tme.hwndTrack, nonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
    return true;
  }
  slot = tme.hwndTrack;
  return true;
}

void InputRouter::startTracker(std::unique_ptr<SystemTracker> tracker) {
  if (tracker_) {
    std::unique_ptr<SystemTracker> old = std::move(tracker_);
    old->cancel();
  }
  tracker_ = std::move(tracker);
  // Mouse input that arrived together with the press (a quick click comes
  // from the desktop in one batch) is already queued: it belongs to the grab.
  const auto isMouse = [](const MSG& m) { return IsMouseMessage(m.message); };
  MSG m;
  while (tracker_ && wm_.queue().takeIf(isMouse, &m)) {
    if (m.message == WM_LBUTTONUP || m.message == WM_NCLBUTTONUP) {
      std::unique_ptr<SystemTracker> ending = std::move(tracker_);
      ending->buttonUp(m.pt);
      return;
    }
    if (m.message == WM_MOUSEMOVE || m.message == WM_NCMOUSEMOVE) tracker_->mouseMove(m.pt);
  }
}

MouseTransitionHook InputRouter::setTransitionHook(MouseTransitionHook hook) {
  const MouseTransitionHook previous = transitionHook_;
  transitionHook_ = hook;
  return previous;
}

void InputRouter::forget(HWND hwnd) {
  if (capture_ == hwnd) {
    capture_ = nullptr;
  }
  if (keyboardGrab_ == hwnd) keyboardGrab_ = nullptr;
  if (hover_ == hwnd) {
    hover_ = nullptr;
    if (transitionHook_) transitionHook_(hwnd, nullptr);
  }
  if (trackLeaveClient_ == hwnd) trackLeaveClient_ = nullptr;
  if (trackLeaveNonClient_ == hwnd) trackLeaveNonClient_ = nullptr;
  if (lastClick_.hwnd == hwnd) lastClick_ = LastClick{};
  if (tracker_ && tracker_->window() == hwnd) {
    std::unique_ptr<SystemTracker> old = std::move(tracker_);
    old->cancel();
  }
}
