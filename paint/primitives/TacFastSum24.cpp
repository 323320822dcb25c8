#include "paint/primitives/TacFastSum24.h"

#include <algorithm>
#include <cstdint>

#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>
#endif

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

// Fade frames run this every 10 ms over whole buttons: blocks of a fixed
// size become vector code, and where the processor has wider vector units
// a second copy of the loop uses them.
#if defined(__GNUC__) && defined(__x86_64__) && !defined(__clang__)
__attribute__((target_clones("avx2", "default")))
#endif
void WeightedRowIntoBlocks(std::uint8_t* __restrict out, const std::uint8_t* __restrict keepFrom,
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

#if defined(__GNUC__) && defined(__x86_64__)

// 64 bytes a step, read as 32 16-bit words: the even bytes are the low
// halves, the odd ones the high halves, so each half is weighted in place
// and the two results are merged back with no packing or lane crossing.
// The last bytes of the row go through masked loads and a masked store.
__attribute__((target("avx512f,avx512bw"))) inline __m512i WeightedBytes(__m512i p, __m512i q, __m512i k, __m512i t) {
  const __m512i low = _mm512_set1_epi16(0x00FF);
  const __m512i round = _mm512_set1_epi16(127);
  const __m512i even = _mm512_add_epi16(
      _mm512_add_epi16(_mm512_mullo_epi16(_mm512_and_si512(p, low), k), _mm512_mullo_epi16(_mm512_and_si512(q, low), t)),
      round);
  const __m512i odd = _mm512_add_epi16(
      _mm512_add_epi16(_mm512_mullo_epi16(_mm512_srli_epi16(p, 8), k), _mm512_mullo_epi16(_mm512_srli_epi16(q, 8), t)),
      round);
  // (even >> 8) | (odd & 0xFF00)
  return _mm512_ternarylogic_epi32(_mm512_srli_epi16(even, 8), odd, _mm512_set1_epi16(static_cast<short>(0xFF00)),
                                   0xF8);
}

__attribute__((target("avx512f,avx512bw"))) void WeightedRowIntoWide(std::uint8_t* out, const std::uint8_t* keepFrom,
                                                                     const std::uint8_t* takeFrom, int count,
                                                                     std::uint8_t keep) {
  const __m512i k = _mm512_set1_epi16(keep);
  const __m512i t = _mm512_set1_epi16(static_cast<short>(255 - keep));
  int b = 0;
  for (; b + 64 <= count; b += 64) {
    const __m512i p = _mm512_loadu_si512(keepFrom + b);
    const __m512i q = _mm512_loadu_si512(takeFrom + b);
    _mm512_storeu_si512(out + b, WeightedBytes(p, q, k, t));
  }
  if (const int rest = count - b; rest > 0) {
    const __mmask64 mask = (1ull << rest) - 1;
    const __m512i p = _mm512_maskz_loadu_epi8(mask, keepFrom + b);
    const __m512i q = _mm512_maskz_loadu_epi8(mask, takeFrom + b);
    _mm512_mask_storeu_epi8(out + b, mask, WeightedBytes(p, q, k, t));
  }
}
#endif

}  // namespace

void WeightedRowInto(std::uint8_t* out, const std::uint8_t* keepFrom, const std::uint8_t* takeFrom, int count,
                     std::uint8_t keep) {
#if defined(__GNUC__) && defined(__x86_64__)
  static const bool wide = __builtin_cpu_supports("avx512bw");
  if (wide) {
    WeightedRowIntoWide(out, keepFrom, takeFrom, count, keep);
    return;
  }
#endif
  WeightedRowIntoBlocks(out, keepFrom, takeFrom, count, keep);
}

bool TacFastSum24::Attach(const Bitmap* src, Bitmap* dst) {
  Src = src;
  Dst = dst;
  if (!Usable(src) || !Usable(dst)) {
    Width = Height = 0;
    return false;
  }
  Width = std::min(src->deviceWidth(), dst->deviceWidth());
  Height = std::min(src->deviceHeight(), dst->deviceHeight());
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
