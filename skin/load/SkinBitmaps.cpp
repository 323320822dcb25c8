#include "skin/load/SkinBitmaps.h"

namespace SkinBitmaps {

Bitmap ToBgr24(const Bitmap& source) {
  if (source.format() == PixelFormat::Bgr24) return source;
  Bitmap result = Bitmap::AtScale(source.scale(), source.width(), source.height(), PixelFormat::Bgr24);
  const int step = source.bytesPerPixel();
  for (int y = 0; y < source.deviceHeight(); ++y) {
    const std::uint8_t* s = source.row(y);
    std::uint8_t* d = result.row(y);
    for (int x = 0; x < source.deviceWidth(); ++x, s += step, d += 3) {
      d[0] = s[0];
      d[1] = s[1];
      d[2] = s[2];
    }
  }
  return result;
}

Bitmap AtProgramScale(Bitmap picture) {
  if (picture.scale() != DeviceScale::Current()) picture = picture.rescaled(DeviceScale::Current());
  return picture;
}

Bitmap ForPainting(const Bitmap& source) { return AtProgramScale(ToBgr24(source)); }

}  // namespace SkinBitmaps
