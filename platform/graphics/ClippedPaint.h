#pragma once
// Helpers that paint target-pixel rectangles and regions through a
// context's clip. Used by the primitives; the geometry they get is already
// in target pixels (DeviceContext::toTarget).
#include "platform/graphics/DeviceContext.h"

namespace ClippedPaint {

void fill(DeviceContext& dc, const TRect& targetRect, TColor color);
void fill(DeviceContext& dc, const Region& targetRegion, TColor color);
void invert(DeviceContext& dc, const TRect& targetRect);
void invert(DeviceContext& dc, const Region& targetRegion);
// The region moved from logical to target coordinates (each logical pixel
// a block of the target's scale).
Region toTarget(DeviceContext& dc, Region logical);

}  // namespace ClippedPaint
