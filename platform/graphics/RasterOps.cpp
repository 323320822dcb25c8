#include "platform/graphics/RasterOps.h"

#include <array>
#include <cstring>

#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>
#endif

namespace RasterOps {

void fill(Bitmap& target, const TRect& rect, TColor rgb) {
  const std::uint8_t b = static_cast<std::uint8_t>(GetBValue(rgb));
  const std::uint8_t g = static_cast<std::uint8_t>(GetGValue(rgb));
  const std::uint8_t r = static_cast<std::uint8_t>(GetRValue(rgb));
  const int bpp = target.bytesPerPixel();
  const std::size_t rowBytes = static_cast<std::size_t>(rect.Width()) * static_cast<std::size_t>(bpp);
  std::uint8_t* first = target.row(rect.Top) + rect.Left * bpp;
  for (int x = 0; x < rect.Width(); ++x) {
    std::uint8_t* p = first + x * bpp;
    p[0] = b;
    p[1] = g;
    p[2] = r;
    if (bpp == 4) p[3] = 0;
  }
  // The other rows are copies of the first.
  for (int y = rect.Top + 1; y < rect.Bottom; ++y) std::memcpy(target.row(y) + rect.Left * bpp, first, rowBytes);
}

void invert(Bitmap& target, const TRect& rect) {
  const int bpp = target.bytesPerPixel();
  for (int y = rect.Top; y < rect.Bottom; ++y) {
    std::uint8_t* p = target.row(y) + rect.Left * bpp;
    for (int x = rect.Left; x < rect.Right; ++x, p += bpp) {
      p[0] = static_cast<std::uint8_t>(~p[0]);
      p[1] = static_cast<std::uint8_t>(~p[1]);
      p[2] = static_cast<std::uint8_t>(~p[2]);
    }
  }
}

void invertChecked(Bitmap& target, const TRect& rect, int cell) {
  const int bpp = target.bytesPerPixel();
  if (cell > 1) {
    for (int y = rect.Top; y < rect.Bottom; ++y) {
      std::uint8_t* p = target.row(y) + rect.Left * bpp;
      for (int x = rect.Left; x < rect.Right; ++x, p += bpp) {
        if ((x / cell + y / cell) & 1) continue;
        p[0] = static_cast<std::uint8_t>(~p[0]);
        p[1] = static_cast<std::uint8_t>(~p[1]);
        p[2] = static_cast<std::uint8_t>(~p[2]);
      }
    }
    return;
  }
  for (int y = rect.Top; y < rect.Bottom; ++y) {
    const int firstX = rect.Left + ((rect.Left + y) & 1);
    std::uint8_t* p = target.row(y) + firstX * bpp;
    for (int x = firstX; x < rect.Right; x += 2, p += 2 * bpp) {
      p[0] = static_cast<std::uint8_t>(~p[0]);
      p[1] = static_cast<std::uint8_t>(~p[1]);
      p[2] = static_cast<std::uint8_t>(~p[2]);
    }
  }
}

void blendCoverage(Bitmap& target, const TRect& rect, const std::uint8_t* coverage, int coverageStride, TColor rgb) {
  const int cb = GetBValue(rgb), cg = GetGValue(rgb), cr = GetRValue(rgb);
  const int bpp = target.bytesPerPixel();
  for (int y = rect.Top; y < rect.Bottom; ++y, coverage += coverageStride) {
    std::uint8_t* p = target.row(y) + rect.Left * bpp;
    const std::uint8_t* a = coverage;
    for (int x = rect.Left; x < rect.Right; ++x, p += bpp, ++a) {
      const int alpha = *a;
      if (alpha == 0) continue;
      if (alpha == 255) {
        p[0] = static_cast<std::uint8_t>(cb);
        p[1] = static_cast<std::uint8_t>(cg);
        p[2] = static_cast<std::uint8_t>(cr);
      } else {
        // dst + (colour - dst) * alpha / 255, rounded.
        p[0] = static_cast<std::uint8_t>((p[0] * (255 - alpha) + cb * alpha + 127) / 255);
        p[1] = static_cast<std::uint8_t>((p[1] * (255 - alpha) + cg * alpha + 127) / 255);
        p[2] = static_cast<std::uint8_t>((p[2] * (255 - alpha) + cr * alpha + 127) / 255);
      }
      if (bpp == 4) p[3] = 0;
    }
  }
}

namespace {

// Evaluates a ternary raster operation bit-wise: bit (p << 2 | s << 1 | d)
// of the code is the result for pattern bit p, source bit s, target bit d.
std::uint8_t applyRop(std::uint8_t code, std::uint8_t p, std::uint8_t s, std::uint8_t d) {
  std::uint8_t out = 0;
  for (int combo = 0; combo < 8; ++combo) {
    if (!(code & (1 << combo))) continue;
    const std::uint8_t mp = (combo & 4) ? p : static_cast<std::uint8_t>(~p);
    const std::uint8_t ms = (combo & 2) ? s : static_cast<std::uint8_t>(~s);
    const std::uint8_t md = (combo & 1) ? d : static_cast<std::uint8_t>(~d);
    out |= static_cast<std::uint8_t>(mp & ms & md);
  }
  return out;
}

}  // namespace

namespace {

// Copies between 24 and 32 bits (shadow and fade pictures): three bytes a
// pixel, a 32-bit target's fourth byte becomes 0. Fade frames land on the
// screen this way every 10 ms, so where the processor can shuffle bytes in
// its vector registers four pixels move with one load, one shuffle and one
// store.
void copy24To32Plain(std::uint8_t* d, const std::uint8_t* s, int from, int n) {
  for (int x = from; x < n; ++x) {
    d[4 * x] = s[3 * x];
    d[4 * x + 1] = s[3 * x + 1];
    d[4 * x + 2] = s[3 * x + 2];
    d[4 * x + 3] = 0;
  }
}

#if defined(__GNUC__) && defined(__x86_64__)
__attribute__((target("ssse3"))) void copy24To32Shuffled(std::uint8_t* d, const std::uint8_t* s, int n) {
  // Bytes 0-11 of the load are four pixels; -1 (0x80) writes a zero byte.
  const __m128i spread = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
  int x = 0;
  // Each load reads 16 bytes, four past the four pixels it uses.
  for (; x + 6 <= n; x += 4) {
    const __m128i in = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + 3 * x));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(d + 4 * x), _mm_shuffle_epi8(in, spread));
  }
  copy24To32Plain(d, s, x, n);
}
#endif

#if defined(__GNUC__) && defined(__x86_64__)
// Sixteen pixels a step: a byte permutation across the whole 64-byte
// register spreads 48 loaded bytes, and masked loads and stores take the
// last pixels of the row too, without reading or writing past it.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) void copy24To32Permuted(std::uint8_t* d,
                                                                                const std::uint8_t* s, int n) {
  // Output byte j is byte 3 * (j / 4) + j % 4 of the input (the fourth is cleared below).
  static constexpr std::array<std::uint8_t, 64> kOrder = [] {
    std::array<std::uint8_t, 64> order{};
    for (int j = 0; j < 64; ++j) order[j] = static_cast<std::uint8_t>(3 * (j / 4) + (j % 4 < 3 ? j % 4 : 0));
    return order;
  }();
  const __m512i spread = _mm512_loadu_si512(kOrder.data());
  // Every fourth byte of the output is cleared.
  constexpr __mmask64 kColourBytes = 0x7777777777777777ull;
  int x = 0;
  for (; x + 16 <= n; x += 16) {
    const __m512i in = _mm512_maskz_loadu_epi8((1ull << 48) - 1, s + 3 * x);
    _mm512_storeu_si512(d + 4 * x, _mm512_maskz_permutexvar_epi8(kColourBytes, spread, in));
  }
  if (const int rest = n - x; rest > 0) {
    const __m512i in = _mm512_maskz_loadu_epi8((1ull << (3 * rest)) - 1, s + 3 * x);
    _mm512_mask_storeu_epi8(d + 4 * x, (1ull << (4 * rest)) - 1,
                            _mm512_maskz_permutexvar_epi8(kColourBytes, spread, in));
  }
}
#endif

void copy24To32(std::uint8_t* d, const std::uint8_t* s, int n) {
#if defined(__GNUC__) && defined(__x86_64__)
  static const bool permutes = __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vbmi");
  if (permutes) {
    copy24To32Permuted(d, s, n);
    return;
  }
  static const bool shuffles = __builtin_cpu_supports("ssse3");
  if (shuffles) {
    copy24To32Shuffled(d, s, n);
    return;
  }
#endif
  copy24To32Plain(d, s, 0, n);
}

}  // namespace

void rop(Bitmap& target, const TRect& rect, const Bitmap* source, int srcX, int srcY, std::uint8_t ropCode,
         TColor patternRgb) {
  const int bpp = target.bytesPerPixel();
  const int sbpp = source ? source->bytesPerPixel() : 0;
  const std::uint8_t pattern[4] = {static_cast<std::uint8_t>(GetBValue(patternRgb)),
                                   static_cast<std::uint8_t>(GetGValue(patternRgb)),
                                   static_cast<std::uint8_t>(GetRValue(patternRgb)), 0};
  // Between two 32-bit bitmaps the fourth byte takes part like the others;
  // otherwise it is set to 0.
  const int channels = sbpp == 4 && bpp == 4 ? 4 : 3;
  constexpr std::uint8_t kSrcCopy = 0xCC, kSrcInvert = 0x66;
  for (int y = rect.Top; y < rect.Bottom; ++y) {
    std::uint8_t* d = target.row(y) + rect.Left * bpp;
    const std::uint8_t* s = source ? source->row(srcY + y - rect.Top) + srcX * sbpp : nullptr;
    // Straight copies are by far the most common.
    if (ropCode == kSrcCopy && sbpp == bpp) {
      std::memcpy(d, s, static_cast<std::size_t>(rect.Width()) * static_cast<std::size_t>(bpp));
      continue;
    }
    // Copies between 24 and 32 bits (shadow and fade pictures) move three
    // bytes a pixel; a 32-bit target's fourth byte becomes 0. Onto a 32-bit
    // screen each pixel but the last moves as one 4-byte word.
    if (ropCode == kSrcCopy && s && sbpp == 3 && bpp == 4) {
      copy24To32(d, s, rect.Width());
      continue;
    }
    if (ropCode == kSrcCopy && s) {
      for (int x = rect.Left; x < rect.Right; ++x, d += bpp, s += sbpp) {
        d[0] = s[0];
        d[1] = s[1];
        d[2] = s[2];
        if (bpp == 4) d[3] = 0;
      }
      continue;
    }
    for (int x = rect.Left; x < rect.Right; ++x, d += bpp) {
      for (int c = 0; c < channels; ++c) {
        const std::uint8_t sv = s ? s[c] : 0;
        if (ropCode == kSrcCopy)
          d[c] = sv;
        else if (ropCode == kSrcInvert)
          d[c] = static_cast<std::uint8_t>(d[c] ^ sv);
        else
          d[c] = applyRop(ropCode, pattern[c], sv, d[c]);
      }
      if (bpp == 4 && channels == 3) d[3] = 0;
      if (s) s += sbpp;
    }
  }
}

}  // namespace RasterOps
