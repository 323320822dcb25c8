#pragma once
// Turns raw input from the backend into window messages: finds the window
// under the pointer (WM_NCHITTEST), honours capture, disabled windows and
// activation on click, makes double clicks, tracks enter and leave, keeps the
// key state and sends keyboard input to the focus window. Injected input in
// tests takes the very same road.
#include <memory>
#include <string>

#include "platform/windowing/SystemTracker.h"
#include "platform/windowing/WinUser.h"

class WindowManager;

enum class MouseButton { Left = 0, Right = 1, Middle = 2 };

class InputRouter {
 public:
  explicit InputRouter(WindowManager& wm);
  ~InputRouter();

  // ---- events from the backend (screen coordinates)
  void mouseMove(POINT screen);
  void mouseButton(POINT screen, MouseButton button, bool down);
  void mouseWheel(POINT screen, int delta);
  void key(int virtualKey, bool down);
  void text(const std::string& utf8);
  // The desktop moved a native window itself (dragging through the backend).
  void windowMoved(HWND hwnd, POINT screenTopLeft);
  // The desktop resized a native window itself (resizing through the backend).
  void windowResized(HWND hwnd, SIZE size);
  // The desktop asks a window to close (its own close request: Alt+F4 in a
  // window manager, a task bar's Close).
  void closeRequested(HWND hwnd);
  // Another program took the keyboard: the program is no longer active.
  void applicationDeactivated();
  // The desktop gave the keyboard to a native window.
  void nativeActivated(HWND hwnd);
  // The desktop brought a minimised window back (from its task bar).
  void nativeRestored(HWND hwnd);

  // ---- the window under a point
  // Deepest visible, enabled window whose shape holds the point and does not
  // answer HTTRANSPARENT (such a window passes the point on to the windows
  // below it, then to its parent); `hit` receives the WM_NCHITTEST answer.
  HWND windowFromPoint(POINT screen, int* hit);
  int hitTest(HWND hwnd, POINT screen);

  // ---- capture, tracking, grabs
  HWND setCapture(HWND hwnd);
  bool releaseCapture();
  HWND capture() const { return capture_; }
  HWND setKeyboardGrab(HWND hwnd);
  bool trackMouseEvent(const TRACKMOUSEEVENT& tme);
  void startTracker(std::unique_ptr<SystemTracker> tracker);
  SystemTracker* tracker() const { return tracker_.get(); }
  MouseTransitionHook setTransitionHook(MouseTransitionHook hook);

  short keyState(int virtualKey) const;
  POINT cursor() const { return cursor_; }
  WPARAM mouseKeys() const;
  // A window is going away: drop every reference to it.
  void forget(HWND hwnd);

 private:
  // Where keys and typed text go: the grab, else the focus or active window.
  HWND keyTarget() const;
  // The deepest window at the point inside hwnd (which holds the point).
  HWND findIn(HWND hwnd, POINT screen, int* hit);
  void updateHover(HWND under, bool inClient);
  void postMouse(HWND target, int hit, UINT clientMsg, UINT ncMsg, POINT screen, WPARAM extra);
  bool isDoubleClick(HWND target, MouseButton button, bool client, POINT screen);
  void activateForClick(HWND target);
  // A disabled top-level window (a message box over it) brings its enabled
  // pop-up forward instead of acting; answers whether it had one.
  bool activateEnabledPopupOf(HWND top);

  WindowManager& wm_;
  POINT cursor_{};
  HWND capture_ = nullptr;
  HWND keyboardGrab_ = nullptr;
  HWND hover_ = nullptr;
  bool hoverInClient_ = false;
  HWND trackLeaveClient_ = nullptr;
  HWND trackLeaveNonClient_ = nullptr;
  MouseTransitionHook transitionHook_ = nullptr;
  std::unique_ptr<SystemTracker> tracker_;
  BYTE keys_[256]{};  // bit 0x80 down, bit 0x01 toggled

  // The last press, for double clicks.
  struct LastClick {
    HWND hwnd = nullptr;
    int button = -1;
    bool client = false;
    POINT at{};
    std::uint64_t time = 0;
  } lastClick_;
};
