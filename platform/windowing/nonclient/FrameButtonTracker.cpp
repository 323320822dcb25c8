#include "platform/windowing/nonclient/FrameButtonTracker.h"

#include "platform/windowing/PaintScheduler.h"
#include "platform/windowing/WinUser.h"
#include "platform/windowing/WindowManager.h"
#include "platform/windowing/nonclient/DefaultFrame.h"

FrameButtonTracker::FrameButtonTracker(HWND hwnd, int hitCode) : hwnd_(hwnd), hitCode_(hitCode) { setPressed(true); }

bool FrameButtonTracker::over(POINT screen) const {
  Window* w = wm().find(hwnd_);
  if (!w) return false;
  const POINT o = wm().screenOrigin(w);
  return DefaultFrame::buttonRect(*w, hitCode_).Contains({screen.X - o.X, screen.Y - o.Y});
}

void FrameButtonTracker::setPressed(bool pressed) {
  Window* w = wm().find(hwnd_);
  if (!w) return;
  const int state = pressed ? hitCode_ : 0;
  if (w->pressedFrameButton == state) return;
  w->pressedFrameButton = state;
  wm().painter().invalidate(w, &w->update, false, true, false);
}

void FrameButtonTracker::mouseMove(POINT screen) { setPressed(over(screen)); }

void FrameButtonTracker::buttonUp(POINT screen) {
  const bool released = over(screen);
  setPressed(false);
  Window* w = wm().find(hwnd_);
  if (!released || !w) return;
  UINT command = SC_CLOSE;
  if (hitCode_ == HTMINBUTTON) command = SC_MINIMIZE;
  if (hitCode_ == HTMAXBUTTON) command = w->maximized ? SC_RESTORE : SC_MAXIMIZE;
  SendMessage(hwnd_, WM_SYSCOMMAND, command, MAKELPARAM(screen.X, screen.Y));
}

void FrameButtonTracker::cancel() { setPressed(false); }
