#include "paint/primitives/ColorMath.h"

#include <algorithm>
#include <cmath>

namespace {

std::uint8_t ClampByte(int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); }

}  // namespace

int RoundHalfEven(double value) {
  // nearbyint follows the current rounding mode, which is to-nearest-even
  // unless someone changed it; do the tie rule by hand to be independent of it.
  const double lower = std::floor(value);
  const double rest = value - lower;
  double result = lower;
  if (rest > 0.5 || (rest == 0.5 && std::fmod(lower, 2.0) != 0.0)) result += 1.0;
  return static_cast<int>(result);
}

TColor MixColors(TColor a, TColor b, double x) {
  const bool aIsSystem = (a & 0xFF000000u) == 0xFF000000u;
  const TColor high = aIsSystem ? 0u : (a & 0xFF000000u);
  a = ColorToRGB(a);
  b = ColorToRGB(b);
  auto mix = [x](int ca, int cb) { return ClampByte(RoundHalfEven(x * ca + (1.0 - x) * cb)); };
  return high | RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

TColor HalfMixColors(TColor a, TColor b) {
  a = ColorToRGB(a);
  b = ColorToRGB(b);
  auto mix = [](int ca, int cb) { return (ca * 127 + cb * 129) >> 8; };
  return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

void MakeToneTable(std::uint8_t table[256], int k, double x) {
  for (int v = 0; v < 256; ++v) table[v] = ClampByte(RoundHalfEven(x * (v - k) + k));
}
