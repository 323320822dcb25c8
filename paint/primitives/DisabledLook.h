#pragma once
// The faded or grey look of a disabled control's whole picture.
#include "paint/CacheInfo.h"
#include "platform/Bitmap.h"
#include "platform/Geometry.h"

enum DisabledLookFlags : int {
  dlBlendWithParent = 1,  // mix with what lies under the control
  dlGray = 2,             // turn grey first
};

// position is the control's place in its parent; parentColor is the colour
// the control layer answers for the parent (used when the description has
// neither a picture nor a fill colour).
void PaintDisabledLook(Bitmap& bmp, int flags, TPoint position, const TCacheInfo& ci, TColor parentColor);
