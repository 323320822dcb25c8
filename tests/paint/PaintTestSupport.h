#pragma once
// Small helpers for the painting tests: bitmaps in both storage orders, a
// parent picture whose pixels tell their place, gradient segments and a
// reference rounding computed from the real-valued formula.
#include <cmath>
#include <vector>

#include "paint/SkinRecords.h"
#include "platform/Bitmap.h"

inline Bitmap Filled(int w, int h, TColor color, bool bottomUp = false, PixelFormat format = PixelFormat::Bgr24) {
  Bitmap bmp(w, h, format, bottomUp);
  bmp.fill(color);
  return bmp;
}

// A 20 x 20 parent picture in which every pixel differs from its
// neighbours, so a copy from the wrong place shows.
inline Bitmap CoordinatePicture() {
  Bitmap parent(20, 20);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) parent.setPixel(x, y, RGB(10 * x, 10 * y, 7));
  return parent;
}

// One segment of a gradient description.
inline TsGradPoint Segment(TColor c1, TColor c2, int percent, int mode) {
  TsGradPoint p;
  p.Color1 = c1;
  p.Color2 = c2;
  p.Percent = static_cast<std::uint8_t>(percent);
  p.Mode = mode;
  return p;
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
