#include "paint/BorderPieces.h"

#include <algorithm>

#include "paint/MaskGeometry.h"

namespace {

void Shrink(int size, int& first, int& second) {
  if (size >= first + second) return;
  const int d = (first + second - size) / 2;
  first = std::max(first - d, 0);
  second = std::max(second - d - (size % 2 != 0 ? 1 : 0), 0);
}

}  // namespace

BorderWidths FitBorderWidths(const TsMaskData& mask, int width, int height) {
  BorderWidths b{std::max<int>(mask.WL, 0), std::max<int>(mask.WT, 0), std::max<int>(mask.WR, 0), std::max<int>(mask.WB, 0)};
  Shrink(width, b.Left, b.Right);
  Shrink(height, b.Top, b.Bottom);
  return b;
}

BorderPieces::BorderPieces(const TsMaskData& mask, int state, const TRect& rect)
    : L(rect.Left), T(rect.Top), R(rect.Right), B(rect.Bottom) {
  const TSize frame = MaskFrameSize(mask);
  b = FitBorderWidths(mask, rect.Width(), rect.Height());
  w = frame.cx;
  h = frame.cy;
  cw = std::max(w - b.Left - b.Right, 0);
  ch = std::max(h - b.Top - b.Bottom, 0);
  x0 = mask.R.Left + ClampMaskState(mask, state) * w;
  y0 = mask.R.Top;
}
