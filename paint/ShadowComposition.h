#pragma once
// Laying a text shadow's colour over a picture by its coverage: each pixel
// keeps 255 - k parts of what it had and takes k parts of the shadow colour,
// divided by 256 (k being the pixel's coverage, 0 to 255).
#include "paint/TacCoverageBuffer.h"
#include "platform/Bitmap.h"
#include "platform/Color.h"

// A transparent label: `picture` (32-bit) already holds what lies under the
// label; each channel becomes (old x (255 - k) + shadow x k) div 256.
void ComposeShadowOverPicture(Bitmap& picture, const TacCoverageBuffer& coverage, TColor shadowColor);

// An opaque label: each channel of `picture` (32-bit) becomes
// (shadow x k + (255 - k) x background) div 256, whatever it held before.
void ComposeShadowOverColor(Bitmap& picture, const TacCoverageBuffer& coverage, TColor shadowColor,
                            TColor background);
