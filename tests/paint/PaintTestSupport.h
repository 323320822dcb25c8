#pragma once
// Small helpers for the painting tests: bitmaps in both storage orders and a
// reference rounding computed from the real-valued formula.
#include <cmath>
#include <vector>

#include "platform/Bitmap.h"

inline Bitmap Filled(int w, int h, TColor color, bool bottomUp = false, PixelFormat format = PixelFormat::Bgr24) {
  Bitmap bmp(w, h, format, bottomUp);
  bmp.fill(color);
  return bmp;
}

// The value rounded to nearest, ties to even. A value within 1e-9 of a half
// counts as a tie: the real formula's representation error must not decide.
inline int ReferenceRound(double v) {
  const double lower = std::floor(v);
  const double rest = v - lower;
  if (std::fabs(rest - 0.5) < 1e-9) return static_cast<int>(std::fmod(lower, 2.0) == 0 ? lower : lower + 1);
  return static_cast<int>(rest > 0.5 ? lower + 1 : lower);
}

inline const std::vector<bool> kBothOrders{false, true};
