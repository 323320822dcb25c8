#pragma once
// Enlarged copies of skin bitmaps for looking at them (each pixel becomes a
// scale x scale block, so single pixels stay visible).
#include "platform/Bitmap.h"

namespace Preview {

Bitmap scaleUp(const Bitmap& source, int scale);

}  // namespace Preview
