#include "framework/graphics/TJPEGImage.h"

#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "framework/streaming/TClassInfo.h"
#include "platform/JpegCodec.h"
#include "platform/graphics/BlockTransfer.h"

const TClassInfo& TJPEGImage::StaticClassInfo() {
  static const TClassInfo info("TJPEGImage", &TGraphic::StaticClassInfo());
  return info;
}

void TJPEGImage::Draw(TCanvas& canvas, const TRect& rect) const {
  if (Empty() || !canvas.HandleAllocated() || rect.IsEmpty()) return;
  DeviceContext source(const_cast<::Bitmap&>(bitmap_));
  StretchBlt(canvas.Handle(), rect.Left, rect.Top, rect.Width(), rect.Height(), &source, 0, 0, Width(), Height(),
             SRCCOPY);
}

bool TJPEGImage::LoadFromBytes(std::span<const std::uint8_t> bytes) {
  Result<::Bitmap> decoded = JpegCodec::decode(bytes);
  if (!decoded) return false;
  bitmap_ = To24Bit(decoded.value());
  Changed();
  return true;
}

void TJPEGImage::Assign(const TPersistent& source) {
  if (auto* other = dynamic_cast<const TJPEGImage*>(&source)) {
    bitmap_ = other->bitmap_;
    Changed();
    return;
  }
  TGraphic::Assign(source);
}
