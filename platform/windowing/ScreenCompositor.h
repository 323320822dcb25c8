#pragma once
// Puts the program's top-level windows together the way the screen shows
// them: back to front, each through its window region, layered ones blended
// with their per-pixel and constant alpha. The headless backend's screen and
// CaptureScreen are made this way.
#include "platform/Bitmap.h"
#include "platform/windowing/WinTypes.h"

class WindowManager;

class ScreenCompositor {
 public:
  // Composes the screen area `area` (logical pixels) into `target` (24- or
  // 32-bit, at least the area's size, at the windows' scale), starting from
  // the desktop colour. A window whose picture has another scale is left out.
  static void compose(WindowManager& wm, const RECT& area, Bitmap& target, TColor desktop);
};
