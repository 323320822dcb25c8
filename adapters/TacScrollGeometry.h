#pragma once
// Where the thumb of a bar lies and which portion of a bar a point hits.
// Pure arithmetic over the bar's rectangle and scroll information, so that
// hit-testing, dragging and painting agree to the pixel.
#include <cstdint>

#include "adapters/TacScrollBar.h"
#include "platform/Geometry.h"

// a * b / c on 64 bits rounded to nearest (halves away from zero); 0 for a
// zero divisor.
int MulDivRounded(std::int64_t a, std::int64_t b, std::int64_t c);

struct TacThumb {
  int Length = 0;
  int Start = 0;  // along the bar, in the rectangle's coordinates
};

// The bar's extent along its length (width or height of the rectangle).
int BarExtent(const TRect& barRect, int kind);
// The rectangle's start along the bar (left or top).
int BarStart(const TRect& barRect, int kind);
// Thumb of a bar with arrows of length `arrow` in barRect.
TacThumb ThumbGeometry(const SCROLLINFO& si, int minThumbLength, const TRect& barRect, int kind, int arrow);
// The portion under a point in the rectangle's coordinates, or kPortionNone.
int HitTestBar(const SCROLLINFO& si, int minThumbLength, const TRect& barRect, int kind, int arrow, TPoint point);
// The position a thumb dragged to `thumbStart` stands for.
int PositionForThumb(const SCROLLINFO& si, int thumbStart, int trackStart, int trackLength, int thumbLength);
