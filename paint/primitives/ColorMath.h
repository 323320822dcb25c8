#pragma once
// Colour arithmetic shared by the pixel primitives: exact rounding rules and
// the mixing of two colour values.
#include <cstdint>

#include "platform/Color.h"

// The engine's key colour: pixels of skin bitmaps that belong to no image.
// The same value means "no colour" in colour arguments.
constexpr TColor clKeyColor = clFuchsia;

// Copies one 24-bit pixel: its blue, green and red bytes.
inline void CopyPixel24(std::uint8_t* d, const std::uint8_t* s) {
  d[0] = s[0];
  d[1] = s[1];
  d[2] = s[2];
}

// n / d rounded to the nearest integer, ties to even (d > 0, n >= 0).
constexpr int DivRoundHalfEven(std::int64_t n, std::int64_t d) {
  std::int64_t q = n / d;
  const std::int64_t twiceRest = 2 * (n - q * d);
  if (twiceRest > d || (twiceRest == d && (q & 1))) ++q;
  return static_cast<int>(q);
}

// A real rounded to the nearest integer, ties to even. Meant for per-call
// tables and single colours, never for per-pixel loops.
int RoundHalfEven(double value);

// Each channel rounded from x * a + (1 - x) * b. System colours are resolved
// first; the result keeps the high byte of an RGB value a.
TColor MixColors(TColor a, TColor b, double x);

// Each channel (a * 127 + b * 129) >> 8; the high byte of the result is 0.
TColor HalfMixColors(TColor a, TColor b);

// The 256 results of rounded(x * (v - k) + k) for one channel value k,
// indexed by v (x = 1 keeps v, x = 0 gives k).
void MakeToneTable(std::uint8_t table[256], int k, double x);
