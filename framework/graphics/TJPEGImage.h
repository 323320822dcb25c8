#pragma once
// A JPEG picture, decoded once into 24-bit pixels when it is loaded.
#include "framework/graphics/TGraphic.h"
#include "platform/Bitmap.h"

class TJPEGImage : public TGraphic {
 public:
  TRAINER_CLASS_INFO()

  int Width() const override { return bitmap_.width(); }
  int Height() const override { return bitmap_.height(); }
  const ::Bitmap& Pixels() const { return bitmap_; }

  void Draw(TCanvas& canvas, const TRect& rect) const override;
  // JPEG files only.
  [[nodiscard]] bool LoadFromBytes(std::span<const std::uint8_t> bytes) override;
  void Assign(const TPersistent& source) override;

 private:
  ::Bitmap bitmap_;
};
