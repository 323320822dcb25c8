#pragma once
// Bitmap helpers of the skin loaders.
#include "platform/Bitmap.h"

namespace SkinBitmaps {

// A 24-bit top-down copy; a 24-bit bitmap is copied as it is.
Bitmap ToBgr24(const Bitmap& source);

}  // namespace SkinBitmaps
