#include "paint/TacFastSum24.h"

#include <algorithm>

namespace {

bool Usable(const Bitmap* bmp) {
  return bmp != nullptr && bmp->width() >= 2 && bmp->height() >= 2 && bmp->format() == PixelFormat::Bgr24;
}

// One row, walked from its last byte to its first. 16-bit sums are enough:
// 255 * 255 + 127 fits, which lets the compiler use wide vector lanes.
void BlendRowBackward(std::uint8_t* d, const std::uint8_t* s, int count, unsigned keep, unsigned take) {
  for (int b = count - 1; b >= 0; --b)
    d[b] = static_cast<std::uint8_t>((static_cast<std::uint16_t>(d[b] * keep + s[b] * take + 127u)) >> 8);
}

}  // namespace

bool TacFastSum24::Attach(const Bitmap* src, Bitmap* dst) {
  Src = src;
  Dst = dst;
  if (!Usable(src) || !Usable(dst)) {
    Width = Height = 0;
    return false;
  }
  Width = std::min(src->width(), dst->width());
  Height = std::min(src->height(), dst->height());
  SrcStart = src->start();
  DstStart = dst->start();
  SrcDelta = src->row(1) - src->row(0);
  DstDelta = dst->row(1) - dst->row(0);
  return true;
}

void TacFastSum24::BlendRect() {
  const unsigned keep = Alpha;
  const unsigned take = 255u - Alpha;
  const int count = (DstX2 - DstX1) * 3;
  if (count <= 0) return;
  for (int y = DstY2 - 1; y >= DstY1; --y) {
    std::uint8_t* d = DstStart + y * DstDelta + DstX1 * 3;
    const std::uint8_t* s = SrcStart + (y - DstY2 + SrcY2) * SrcDelta + SrcX1 * 3;
    BlendRowBackward(d, s, count, keep, take);
  }
}
