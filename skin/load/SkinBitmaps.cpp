#include "skin/load/SkinBitmaps.h"

#include "framework/graphics/TBitmap.h"

namespace SkinBitmaps {

Bitmap AtProgramScale(Bitmap picture) {
  if (picture.scale() != DeviceScale::Current()) picture = picture.rescaled(DeviceScale::Current());
  return picture;
}

Bitmap ForPainting(const Bitmap& source) { return AtProgramScale(To24Bit(source)); }

}  // namespace SkinBitmaps
