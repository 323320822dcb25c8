#include "platform/graphics/ClippedPaint.h"

#include "platform/graphics/RasterOps.h"

namespace ClippedPaint {

void fill(DeviceContext& dc, const TRect& targetRect, TColor color) {
  const TColor rgb = ColorToRGB(color);
  Bitmap& target = dc.target();
  dc.clipInTarget().forEachRectIn(targetRect, [&](const TRect& r) { RasterOps::fill(target, r, rgb); });
}

void fill(DeviceContext& dc, const Region& targetRegion, TColor color) {
  const TColor rgb = ColorToRGB(color);
  Bitmap& target = dc.target();
  Region::combine(targetRegion, dc.clipInTarget(), RGN_AND).forEachRect([&](const TRect& r) {
    RasterOps::fill(target, r, rgb);
  });
}

void invert(DeviceContext& dc, const TRect& targetRect) {
  Bitmap& target = dc.target();
  dc.clipInTarget().forEachRectIn(targetRect, [&](const TRect& r) { RasterOps::invert(target, r); });
}

void invert(DeviceContext& dc, const Region& targetRegion) {
  Bitmap& target = dc.target();
  Region::combine(targetRegion, dc.clipInTarget(), RGN_AND).forEachRect([&](const TRect& r) {
    RasterOps::invert(target, r);
  });
}

Region toTarget(DeviceContext& dc, Region logical) {
  const TPoint origin = dc.toTarget(TPoint{0, 0});
  Region inTarget = dc.scale() == 1 ? std::move(logical) : logical.scaled(dc.scale());
  inTarget.offset(origin.X, origin.Y);
  return inTarget;
}

}  // namespace ClippedPaint
