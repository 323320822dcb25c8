#include "platform/windowing/DesktopCapture.h"

#include "platform/windowing/PaintScheduler.h"
#include "platform/windowing/WinUser.h"
#include "platform/windowing/WindowManager.h"

Bitmap CaptureDesktop(const RECT& screenRect) {
  if (screenRect.IsEmpty() || !wm().hasBackend()) return {};
  if (wm().painter().paintPending()) wm().painter().paintAll();
  Bitmap picture = wm().backend().readScreen(screenRect);
  if (!picture.empty() && picture.width() == screenRect.Width() && picture.height() == screenRect.Height())
    return picture;
  return CaptureScreen(screenRect);
}
