#include "paint/CachePictureReader.h"

#include "paint/PaintAccessors.h"

CachePictureReader::CachePictureReader(const TCacheInfo& ci) : offsetX_(ci.X), offsetY_(ci.Y) {
  if (!ci.Ready || ci.Bmp == nullptr) return;
  PaintAccessors& accessors = EngineAccessors();
  auto read = [&](auto& fast) {
    if (!fast.Attach(ci.Bmp)) return;
    start_ = fast.Start;
    delta_ = fast.Delta;
    width_ = fast.Width;
    height_ = fast.Height;
    bytesPerPixel_ = fast.kBytesPerPixel;
  };
  if (ci.Bmp->format() == PixelFormat::Bgr24) read(accessors.Fast24);
  else read(accessors.Fast32);
}
