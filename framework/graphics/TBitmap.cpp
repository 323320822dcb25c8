#include "framework/graphics/TBitmap.h"

#include <stdexcept>

#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"
#include "platform/BmpCodec.h"
#include "platform/graphics/BlockTransfer.h"

const TClassInfo& TBitmap::StaticClassInfo() {
  static const TClassInfo info("TBitmap", &TGraphic::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<TBitmap>(c).Binary("Data", [](TBitmap& b, const TBinaryData& data) {
      if (!b.LoadFromBytes(data.Bytes)) throw std::invalid_argument("the data is not a readable BMP file");
    });
  });
  return info;
}

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height) : bitmap_(width, height) {}

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int width, int height) {
  if (width == Width() && height == Height()) return;
  bitmap_.resize(width, height);
  PixelsReplaced();
}

void TBitmap::SetPixels(const ::Bitmap& pixels) {
  bitmap_ = To24Bit(pixels);
  PixelsReplaced();
}

void TBitmap::SetPixelsAsTheyAre(const ::Bitmap& pixels) {
  bitmap_ = pixels;
  PixelsReplaced();
}

void TBitmap::PixelsReplaced() {
  if (dc_) {
    dc_->selectBitmap(bitmap_);
    dc_->clipChanged();
  }
  Changed();
}

TCanvas& TBitmap::Canvas() {
  if (!canvas_) {
    dc_ = std::make_unique<DeviceContext>(bitmap_);
    canvas_ = std::make_unique<TCanvas>(dc_.get());
  }
  return *canvas_;
}

TColor TBitmap::TransparentColor() const {
  if (transparentMode_ == tmFixed && transparentColor_ != clDefault) return transparentColor_;
  if (bitmap_.empty()) return clDefault;
  return bitmap_.pixel(0, bitmap_.height() - 1);
}

void TBitmap::SetTransparentColor(TColor color) {
  transparentColor_ = color;
  transparentMode_ = color == clDefault ? tmAuto : tmFixed;
}

void TBitmap::Draw(TCanvas& canvas, const TRect& rect) const {
  if (Empty() || !canvas.HandleAllocated() || rect.IsEmpty()) return;
  // The source context only reads; the bitmap itself is not changed.
  DeviceContext source(const_cast<::Bitmap&>(bitmap_));
  if (Transparent())
    TransparentBlt(canvas.Handle(), rect.Left, rect.Top, rect.Width(), rect.Height(), &source, 0, 0, Width(),
                   Height(), ColorToRGB(TransparentColor()));
  else
    StretchBlt(canvas.Handle(), rect.Left, rect.Top, rect.Width(), rect.Height(), &source, 0, 0, Width(), Height(),
               SRCCOPY);
}

bool TBitmap::LoadFromBytes(std::span<const std::uint8_t> bytes) {
  Result<::Bitmap> decoded = BmpCodec::decode(bytes);
  if (!decoded) return false;
  SetPixelsAsTheyAre(decoded.value());
  return true;
}

void TBitmap::Assign(const TPersistent& source) {
  if (auto* other = dynamic_cast<const TBitmap*>(&source)) {
    if (other == this) return;
    transparentColor_ = other->transparentColor_;
    transparentMode_ = other->transparentMode_;
    SetTransparent(other->Transparent());
    SetPixelsAsTheyAre(other->bitmap_);
    return;
  }
  TGraphic::Assign(source);
}

::Bitmap To24Bit(const ::Bitmap& source) {
  if (source.format() == PixelFormat::Bgr24) return source;
  ::Bitmap out = ::Bitmap::AtScale(source.scale(), source.width(), source.height());
  for (int y = 0; y < source.deviceHeight(); ++y) {
    const std::uint8_t* s = source.row(y);
    std::uint8_t* d = out.row(y);
    for (int x = 0; x < source.deviceWidth(); ++x, s += 4, d += 3) {
      d[0] = s[0];
      d[1] = s[1];
      d[2] = s[2];
    }
  }
  return out;
}
