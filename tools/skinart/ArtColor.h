#pragma once
// Colours of the skin artwork: plain 8-bit red, green, blue triples, with the
// mixing the drawings need and the conversion to the program's TColor.
#include <algorithm>
#include <cmath>

#include "platform/Color.h"

struct Rgb {
  int r = 0;
  int g = 0;
  int b = 0;

  constexpr TColor toTColor() const { return RGB(r, g, b); }
  constexpr bool operator==(const Rgb&) const = default;
};

// The key colour of skin bitmaps: pixels that belong to no image.
constexpr Rgb kKeyColor{255, 0, 255};

// t = 0 gives a, t = 1 gives b.
inline Rgb mix(Rgb a, Rgb b, double t) {
  auto channel = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * std::clamp(t, 0.0, 1.0))); };
  return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}
