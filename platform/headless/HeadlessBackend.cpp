#include "platform/headless/HeadlessBackend.h"

#include "platform/windowing/WinUser.h"

HeadlessBackend::HeadlessBackend(SIZE screen) : screen_(screen) {}

NativeWindow HeadlessBackend::createWindow(HWND, const RECT&, DWORD, DWORD) {
  ++liveWindows_;
  return nextWindow_++;
}

void HeadlessBackend::destroyWindow(NativeWindow) { --liveWindows_; }

// The screen is composed from the windows' own pictures when it is looked at,
// so moving, showing and stacking need no bookkeeping here.
void HeadlessBackend::setBounds(NativeWindow, const RECT&) {}
void HeadlessBackend::setVisible(NativeWindow, bool, bool) {}
void HeadlessBackend::raise(NativeWindow) {}
void HeadlessBackend::setTitle(NativeWindow, const std::string&) {}
void HeadlessBackend::setIcon(NativeWindow, const Bitmap&) {}
void HeadlessBackend::present(NativeWindow, const Bitmap&, const RECT&, bool, BYTE) { ++presents_; }

bool HeadlessBackend::waitForEvents(std::uint64_t deadlineMs) {
  // No input ever arrives by itself: waiting means the clock jumps ahead.
  if (deadlineMs == UINT64_MAX) return false;
  if (deadlineMs > clock_) clock_ = deadlineMs;
  return true;
}

POINT HeadlessBackend::cursorPos() {
  POINT p;
  GetCursorPos(&p);
  return p;
}
