#pragma once
// Scaled copy with averaging: every destination pixel is the area-weighted
// mean of the source pixels it covers (the engine's halftone stretch).
#include "platform/Bitmap.h"
#include "platform/Geometry.h"

// Scales the source rectangle onto the destination rectangle. Only pixels
// inside clip (when given) and inside the destination bitmap are written.
void StretchBitmapRect(Bitmap& dst, const TRect& dstRect, const Bitmap& src, const TRect& srcRect,
                       const TRect* clip = nullptr);
