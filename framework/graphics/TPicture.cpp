#include "framework/graphics/TPicture.h"

#include <stdexcept>

#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TJPEGImage.h"
#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"

const TClassInfo& TPicture::StaticClassInfo() {
  static const TClassInfo info("TPicture", &TPersistent::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<TPicture>(c).Binary("Data", [](TPicture& p, const TBinaryData& data) {
      if (!p.LoadFromBytes(data.Bytes)) throw std::invalid_argument("the data is not a readable BMP or JPEG picture");
    });
  });
  return info;
}

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Changed() {
  if (OnChange) OnChange(this);
}

void TPicture::Adopt(std::unique_ptr<TGraphic> graphic) {
  graphic_ = std::move(graphic);
  if (graphic_) graphic_->OnChange = [this](TObject*) { Changed(); };
  Changed();
}

void TPicture::SetGraphic(const TGraphic* graphic) {
  if (!graphic) {
    Adopt(nullptr);
    return;
  }
  std::unique_ptr<TGraphic> copy;
  if (dynamic_cast<const TBitmap*>(graphic))
    copy = std::make_unique<TBitmap>();
  else if (dynamic_cast<const TJPEGImage*>(graphic))
    copy = std::make_unique<TJPEGImage>();
  else
    throw std::invalid_argument("Cannot hold a " + graphic->ClassName() + " in a picture");
  copy->Assign(*graphic);
  Adopt(std::move(copy));
}

TBitmap& TPicture::Bitmap() {
  auto* bitmap = dynamic_cast<TBitmap*>(graphic_.get());
  if (!bitmap) {
    auto fresh = std::make_unique<TBitmap>();
    bitmap = fresh.get();
    Adopt(std::move(fresh));
  }
  return *bitmap;
}

bool TPicture::LoadFromBytes(std::span<const std::uint8_t> bytes) {
  std::unique_ptr<TGraphic> graphic;
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M')
    graphic = std::make_unique<TBitmap>();
  else if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xD8)
    graphic = std::make_unique<TJPEGImage>();
  else
    return false;
  if (!graphic->LoadFromBytes(bytes)) return false;
  Adopt(std::move(graphic));
  return true;
}

void TPicture::Assign(const TPersistent& source) {
  if (auto* other = dynamic_cast<const TPicture*>(&source)) {
    if (other != this) SetGraphic(other->Graphic());
    return;
  }
  if (auto* graphic = dynamic_cast<const TGraphic*>(&source)) {
    SetGraphic(graphic);
    return;
  }
  TPersistent::Assign(source);
}
