#pragma once
// Holds one picture of whatever kind its file was (BMP or JPEG). Layouts set
// it from a resource file: "Picture.Data = {resource 'pictures/river.jpg'}".
#include <cstdint>
#include <memory>
#include <span>

#include "framework/Events.h"
#include "framework/graphics/TGraphic.h"

class TBitmap;

class TPicture : public TPersistent {
 public:
  TRAINER_CLASS_INFO()

  TPicture();
  ~TPicture() override;

  TGraphic* Graphic() const { return graphic_.get(); }
  // Takes a copy of `graphic` (null empties the picture).
  void SetGraphic(const TGraphic* graphic);
  // The picture as a bitmap; a picture of another kind is replaced by an
  // empty bitmap, as drawing code that asks for one wants to paint it.
  TBitmap& Bitmap();

  int Width() const { return graphic_ ? graphic_->Width() : 0; }
  int Height() const { return graphic_ ? graphic_->Height() : 0; }

  // Recognises BMP ("BM") and JPEG (FF D8) files; false leaves it unchanged.
  [[nodiscard]] bool LoadFromBytes(std::span<const std::uint8_t> bytes);

  void Assign(const TPersistent& source) override;

  TNotifyEvent OnChange;

 private:
  void Adopt(std::unique_ptr<TGraphic> graphic);
  void Changed();

  std::unique_ptr<TGraphic> graphic_;
};
