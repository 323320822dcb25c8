#include "paint/CachePictureReader.h"

#include "paint/PaintAccessors.h"

CachePictureReader::CachePictureReader(const TCacheInfo& ci) : offsetX_(ci.X), offsetY_(ci.Y) {
  if (!ci.Ready || ci.Bmp == nullptr) return;
  PaintAccessors& accessors = EngineAccessors();
  auto read = [&](auto& fast) {
    if (!fast.Attach(ci.Bmp)) return;
    start_ = fast.Start;
    delta_ = fast.Delta;
    // Pixel loops walk device pixels: the picture's size and the offset
    // into it are counted in them too.
    const int scale = ci.Bmp->scale();
    width_ = ci.Bmp->deviceWidth();
    height_ = ci.Bmp->deviceHeight();
    offsetX_ = ci.X * scale;
    offsetY_ = ci.Y * scale;
    bytesPerPixel_ = fast.kBytesPerPixel;
  };
  if (ci.Bmp->format() == PixelFormat::Bgr24) read(accessors.Fast24);
  else read(accessors.Fast32);
}
