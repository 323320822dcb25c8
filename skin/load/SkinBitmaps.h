#pragma once
// Bitmap helpers of the skin loaders.
#include "platform/Bitmap.h"

namespace SkinBitmaps {

// A picture of the skin as the program paints with it: at the program's
// device scale, each pixel of a picture read at 1 repeated N x N (the skin's
// art is pixel art with exact key colours, which any smoothing would break).
Bitmap AtProgramScale(Bitmap picture);
// The same, 24-bit.
Bitmap ForPainting(const Bitmap& source);

}  // namespace SkinBitmaps
