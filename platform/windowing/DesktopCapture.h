#pragma once
// A picture of what the screen shows in a rectangle: the desktop's own
// pixels where the backend can read them (other programs' windows and the
// desktop background included), else the layer's windows composed over the
// desktop colour. Pending painting is done first. Empty when the rectangle
// is empty or the screen cannot be read.
#include "platform/Bitmap.h"
#include "platform/windowing/WinTypes.h"

Bitmap CaptureDesktop(const RECT& screenRect);
