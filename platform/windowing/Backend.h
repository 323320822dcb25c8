#pragma once
// What the windowing layer needs from the system below it: a small table of
// operations on native top-level windows plus the clock, the screen, the
// cursor, the clipboard and URL opening. Two implementations exist: the real
// desktop (platform/sdl) and an in-memory screen for tests (platform/headless).
// Input travels the other way: a backend hands mouse, keyboard and window
// events to the layer's InputRouter (platform/windowing/InputRouter.h).
//
// Everything here is in the layer's logical pixels: window rectangles,
// screen size, cursor and input positions. Pictures are bitmaps at the
// program's device scale (platform/DeviceScale.h); a backend shows each
// logical pixel as that many screen pixels across and down and divides the
// desktop's pixel positions by it.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/Bitmap.h"
#include "platform/windowing/WinTypes.h"

using NativeWindow = std::uintptr_t;  // 0 = none

class Backend {
 public:
  virtual ~Backend() = default;

  // ---- native top-level windows
  // One native window per top-level window; the layer paints frame and client
  // itself, so native windows are borderless. Answers 0 on failure.
  virtual NativeWindow createWindow(HWND hwnd, const RECT& screenRect, DWORD style, DWORD exStyle) = 0;
  virtual void destroyWindow(NativeWindow window) = 0;
  virtual void setBounds(NativeWindow window, const RECT& screenRect) = 0;
  virtual void setVisible(NativeWindow window, bool visible, bool activate) = 0;
  virtual void raise(NativeWindow window) = 0;
  // Minimises a shown window: where the desktop has a task bar the window
  // goes there, so that the pupil can bring it back. Answers false where the
  // window would have nowhere to go (a desktop without a window manager):
  // it then stays as it is, for a hidden window could never come back.
  // The in-memory screen keeps its windows' pictures for the tests and hides.
  virtual bool minimize(NativeWindow window) {
    setVisible(window, false, false);
    return true;
  }
  virtual void setTitle(NativeWindow window, const std::string& utf8) = 0;
  // The window's icon for the desktop (taskbar, switcher): a 32-bit picture
  // whose fourth byte is alpha (not premultiplied).
  virtual void setIcon(NativeWindow window, const Bitmap& icon) = 0;
  // Shows the part `dirty` (window coordinates) of the window's picture, a
  // 32-bit bitmap of the window's size. For a layered window the fourth byte
  // is premultiplied alpha and `opacity` the constant alpha over it; the
  // backend composes or degrades as it can.
  virtual void present(NativeWindow window, const Bitmap& picture, const RECT& dirty, bool layered, BYTE opacity) = 0;

  // ---- events and time
  // Sleeps until input arrives or the clock reaches `deadlineMs` (UINT64_MAX:
  // no deadline), handing events to the InputRouter. Answers false when
  // nothing can ever arrive (a headless screen with no deadline).
  virtual bool waitForEvents(std::uint64_t deadlineMs) = 0;
  // Monotonic milliseconds since the backend started.
  virtual std::uint64_t now() = 0;

  // ---- desktop services
  virtual SIZE screenSize() = 0;
  virtual POINT cursorPos() = 0;
  virtual void setCursor(int cursorId) = 0;
  virtual std::string clipboardText() = 0;
  virtual void setClipboardText(const std::string& utf8) = 0;
  // Hands a link to the desktop's handler, which shows its window by the
  // show command (SW_...) as far as the desktop lets it; `owner` is the
  // program's window asking.
  virtual void openUrl(const std::string& url, int showCommand, HWND owner) = 0;
  // True where the desktop shows the per-pixel alpha of layered windows
  // (a compositor runs); where it does not, callers draw over a capture.
  virtual bool composesTranslucentWindows() { return true; }
  // The desktop's own pixels of a screen rectangle as 24-bit at the
  // program's device scale, other programs' windows included; empty where
  // the backend cannot read them.
  virtual Bitmap readScreen(const RECT& screenRect) {
    (void)screenRect;
    return {};
  }
};

// Installs the backend every later window uses (the program: SDL, tests:
// headless). Windows that exist keep running on the new one only after they
// are shown again; install the backend before creating windows.
void SetBackend(std::unique_ptr<Backend> backend);
Backend* CurrentBackend();
// Destroys every window and forgets classes, hooks, timers, queued messages
// and the backend: the state of a program that has not started yet.
void ShutdownWindowing();
