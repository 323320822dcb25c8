#include "paint/primitives/BitmapFilters.h"

#include "paint/primitives/ColorMath.h"

namespace {

// Walks every pixel, leaving out those equal to the key when there is one.
template <typename Change>
void ForEachPixel(Bitmap& bmp, bool hasKey, TColor key, Change change) {
  key = ColorToRGB(key);
  const std::uint8_t kb = static_cast<std::uint8_t>(GetBValue(key));
  const std::uint8_t kg = static_cast<std::uint8_t>(GetGValue(key));
  const std::uint8_t kr = static_cast<std::uint8_t>(GetRValue(key));
  const int bpp = bmp.bytesPerPixel();
  for (int y = 0; y < bmp.deviceHeight(); ++y) {
    std::uint8_t* p = bmp.row(y);
    for (int x = 0; x < bmp.deviceWidth(); ++x, p += bpp) {
      if (hasKey && p[0] == kb && p[1] == kg && p[2] == kr) continue;
      change(p);
    }
  }
}

void Grey(std::uint8_t* p) {
  const std::uint8_t v = static_cast<std::uint8_t>((p[0] + p[1] + p[2]) / 3);
  p[0] = p[1] = p[2] = v;
}

}  // namespace

void GrayScale(Bitmap& bmp) { ForEachPixel(bmp, false, 0, Grey); }

void GrayScaleTrans(Bitmap& bmp, TColor key) { ForEachPixel(bmp, true, key, Grey); }

void ToneBitmap(Bitmap& bmp, TColor color, TColor key, double x) {
  color = ColorToRGB(color);
  std::uint8_t blue[256], green[256], red[256];
  MakeToneTable(blue, GetBValue(color), x);
  MakeToneTable(green, GetGValue(color), x);
  MakeToneTable(red, GetRValue(color), x);
  ForEachPixel(bmp, true, key, [&](std::uint8_t* p) {
    p[0] = blue[p[0]];
    p[1] = green[p[1]];
    p[2] = red[p[2]];
  });
}
