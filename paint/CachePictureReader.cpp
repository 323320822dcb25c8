#include "paint/CachePictureReader.h"

#include "paint/PaintAccessors.h"

CachePictureReader::CachePictureReader(const TCacheInfo& ci) : offsetX_(ci.X), offsetY_(ci.Y) {
  if (!ci.Ready || ci.Bmp == nullptr) return;
  PaintAccessors& accessors = EngineAccessors();
  if (ci.Bmp->format() == PixelFormat::Bgr24) {
    TacFast24& fast = accessors.Fast24;
    if (!fast.Attach(ci.Bmp)) return;
    start_ = fast.Start;
    delta_ = fast.Delta;
    width_ = fast.Width;
    height_ = fast.Height;
    bytesPerPixel_ = 3;
  } else {
    TacFast32& fast = accessors.Fast32;
    if (!fast.Attach(ci.Bmp)) return;
    start_ = fast.Start;
    delta_ = fast.Delta;
    width_ = fast.Width;
    height_ = fast.Height;
    bytesPerPixel_ = 4;
  }
}
