#include "tools/skinart/Preview.h"

#include <algorithm>

namespace Preview {

Bitmap scaleUp(const Bitmap& source, int scale) {
  scale = std::max(scale, 1);
  Bitmap out(source.width() * scale, source.height() * scale);
  const int bpp = source.bytesPerPixel();
  for (int y = 0; y < out.height(); ++y) {
    const std::uint8_t* in = source.row(y / scale);
    std::uint8_t* o = out.row(y);
    for (int x = 0; x < out.width(); ++x, o += 3) {
      const std::uint8_t* p = in + (x / scale) * bpp;
      o[0] = p[0];
      o[1] = p[1];
      o[2] = p[2];
    }
  }
  return out;
}

}  // namespace Preview
