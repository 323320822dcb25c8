#pragma once
// Drives the program on the headless backend the way a user and a clock
// would: injected mouse and keyboard input goes through the same routing as
// real input, the loop runs until idle or for a span of virtual time, and the
// screen or one window can be captured and saved as PNG.
//
//   HeadlessDriver driver;                  // fresh windowing state + headless screen
//   HWND w = CreateWindowEx(...);
//   driver.clickClient(w, {10, 10});
//   driver.runFor(2000);                    // a 2000 ms timer fires, in microseconds
#include <cstdint>
#include <string>

#include "platform/Bitmap.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/windowing/InputRouter.h"
#include "platform/windowing/WinUser.h"

class HeadlessDriver {
 public:
  // Resets the windowing layer and installs a headless backend with a screen of this size.
  explicit HeadlessDriver(SIZE screen = {1280, 1024});
  // Destroys every window and leaves the layer without a backend.
  ~HeadlessDriver();
  HeadlessDriver(const HeadlessDriver&) = delete;
  HeadlessDriver& operator=(const HeadlessDriver&) = delete;

  HeadlessBackend& backend() { return *backend_; }

  // ---- the loop
  // Dispatches everything that is due now (posted messages, painting, timers
  // at the current virtual time) without moving the clock. Answers how many
  // messages were dispatched; stops early when WM_QUIT is taken.
  int runUntilIdle();
  // Runs the loop while the virtual clock advances by `ms`, timer by timer.
  void runFor(std::uint64_t ms);
  std::uint64_t now() const { return backend_->now(); }
  bool quitSeen() const { return quitSeen_; }
  int quitCode() const { return quitCode_; }

  // ---- mouse (screen coordinates unless said otherwise); each runs until idle
  void moveTo(POINT screen);
  void press(POINT screen, MouseButton button = MouseButton::Left);
  void release(POINT screen, MouseButton button = MouseButton::Left);
  void click(POINT screen, MouseButton button = MouseButton::Left);
  void doubleClick(POINT screen);
  // Press at `from`, move in `steps` steps, release at `to`.
  void drag(POINT from, POINT to, int steps = 4);
  void wheel(POINT screen, int delta);
  // The same at a point of a window's client area.
  POINT clientToScreen(HWND hwnd, POINT client) const;
  void clickClient(HWND hwnd, POINT client, MouseButton button = MouseButton::Left);
  void doubleClickClient(HWND hwnd, POINT client);
  // A point in window coordinates (frame included).
  POINT windowToScreen(HWND hwnd, POINT inWindow) const;

  // ---- keyboard
  void keyDown(int virtualKey);
  void keyUp(int virtualKey);
  void pressKey(int virtualKey);
  void typeText(const std::string& utf8);

  // ---- the desktop, as a window manager reports it; each runs until idle
  // Another program takes the keyboard (the pupil clicked into it).
  void focusAnotherProgram();
  // The desktop gives the keyboard back to one of the program's windows.
  void giveKeyboardTo(HWND hwnd);
  // The desktop asks a window to close (a window manager's Alt+F4, a task
  // bar's Close).
  void requestClose(HWND hwnd);

  // ---- pictures
  Bitmap screenshot() const;
  // The window as it appears on the screen (with whatever covers it).
  Bitmap windowShot(HWND hwnd) const;
  bool savePng(const Bitmap& picture, const std::string& path) const;

 private:
  HeadlessBackend* backend_;
  bool quitSeen_ = false;
  int quitCode_ = 0;
};
