#include "platform/windowing/nonclient/CaptionDragTracker.h"

#include "platform/windowing/WinUser.h"
#include "platform/windowing/WindowManager.h"

CaptionDragTracker::CaptionDragTracker(HWND hwnd, POINT startScreen) : hwnd_(hwnd), start_(startScreen) {
  if (Window* w = wm().find(hwnd)) origin_ = w->rect.TopLeft();
  SendMessage(hwnd, WM_ENTERSIZEMOVE, 0, 0);
}

void CaptionDragTracker::moveTo(POINT topLeft) {
  SetWindowPos(hwnd_, nullptr, topLeft.X, topLeft.Y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CaptionDragTracker::mouseMove(POINT screen) {
  moveTo({origin_.X + screen.X - start_.X, origin_.Y + screen.Y - start_.Y});
}

void CaptionDragTracker::buttonUp(POINT screen) {
  mouseMove(screen);
  SendMessage(hwnd_, WM_EXITSIZEMOVE, 0, 0);
}

void CaptionDragTracker::cancel() {
  moveTo(origin_);
  SendMessage(hwnd_, WM_EXITSIZEMOVE, 0, 0);
}
