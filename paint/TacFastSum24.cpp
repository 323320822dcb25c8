#include "paint/TacFastSum24.h"

#include <algorithm>
#include <cstdint>

namespace {

bool Usable(const Bitmap* bmp) {
  return bmp != nullptr && bmp->width() >= 2 && bmp->height() >= 2 && bmp->format() == PixelFormat::Bgr24;
}

// One row, walked from its last byte to its first as the weighted copy is
// defined; this order matters only when source and destination overlap.
void BlendRowBackward(std::uint8_t* d, const std::uint8_t* s, int count, unsigned keep, unsigned take) {
  for (int b = count - 1; b >= 0; --b)
    d[b] = static_cast<std::uint8_t>((d[b] * keep + s[b] * take + 127u) >> 8);
}

// The same for rows that do not overlap, in fixed blocks the compiler turns
// into vector code: 255 * 255 + 127 fits in 16 bits, so 16-bit lanes suffice.
constexpr int kBlock = 32;
void BlendBlock(std::uint8_t* __restrict d, const std::uint8_t* __restrict s, std::uint16_t keep, std::uint16_t take) {
  for (int i = 0; i < kBlock; ++i)
    d[i] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(d[i] * keep + s[i] * take + 127) >> 8);
}

void BlendRow(std::uint8_t* d, const std::uint8_t* s, int count, unsigned keep, unsigned take) {
  const std::uintptr_t da = reinterpret_cast<std::uintptr_t>(d), sa = reinterpret_cast<std::uintptr_t>(s);
  const std::uintptr_t n = static_cast<std::uintptr_t>(count);
  if (da + n <= sa || sa + n <= da) {
    int b = 0;
    for (; b + kBlock <= count; b += kBlock)
      BlendBlock(d + b, s + b, static_cast<std::uint16_t>(keep), static_cast<std::uint16_t>(take));
    BlendRowBackward(d + b, s + b, count - b, keep, take);
  } else {
    BlendRowBackward(d, s, count, keep, take);
  }
}

}  // namespace

// Fade frames run this every 10 ms over whole buttons: blocks of a fixed
// size become vector code, and where the processor has wider vector units
// a second copy of the loop uses them.
#if defined(__GNUC__) && defined(__x86_64__) && !defined(__clang__)
__attribute__((target_clones("avx2", "default")))
#endif
void WeightedRowInto(std::uint8_t* __restrict out, const std::uint8_t* __restrict keepFrom,
                     const std::uint8_t* __restrict takeFrom, int count, std::uint8_t keep) {
  const auto k = static_cast<std::uint16_t>(keep);
  const auto t = static_cast<std::uint16_t>(255u - keep);
  int b = 0;
  for (; b + kBlock <= count; b += kBlock) {
    std::uint8_t* __restrict o = out + b;
    const std::uint8_t* __restrict p = keepFrom + b;
    const std::uint8_t* __restrict q = takeFrom + b;
    for (int i = 0; i < kBlock; ++i)
      o[i] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(p[i] * k + q[i] * t + 127) >> 8);
  }
  for (; b < count; ++b)
    out[b] = static_cast<std::uint8_t>((keepFrom[b] * k + takeFrom[b] * t + 127u) >> 8);
}

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
    BlendRow(d, s, count, keep, take);
  }
}
