#pragma once
// A 24-bit device-independent bitmap with a canvas to draw on it. Layouts
// give its pixels as a BMP file ("Glyph.Data = {resource 'glyphs/ok.bmp'}");
// a 32-bit file stays 32-bit, so that a glyph keeps its alpha channel.
#include <memory>

#include "framework/graphics/TCanvas.h"
#include "framework/graphics/TGraphic.h"
#include "platform/Bitmap.h"

enum TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TGraphic {
 public:
  TRAINER_CLASS_INFO()

  TBitmap();
  TBitmap(int width, int height);
  ~TBitmap() override;
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  int Width() const override { return bitmap_.width(); }
  int Height() const override { return bitmap_.height(); }
  // Resizes, clearing the pixels to black.
  void SetSize(int width, int height);

  // The pixels, 24-bit rows (Bitmap::start(), delta()).
  ::Bitmap& Pixels() { return bitmap_; }
  const ::Bitmap& Pixels() const { return bitmap_; }
  // Replaces the pixels; 32-bit pictures lose their fourth byte.
  void SetPixels(const ::Bitmap& pixels);
  // Replaces the pixels keeping their format: a 32-bit picture keeps its
  // fourth byte (a glyph's alpha), as a 32-bit BMP file read into the
  // bitmap does.
  void SetPixelsAsTheyAre(const ::Bitmap& pixels);

  TCanvas& Canvas();

  // tmAuto takes the bottom-left pixel, tmFixed the colour that was set.
  TColor TransparentColor() const;
  void SetTransparentColor(TColor color);
  TTransparentMode TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(TTransparentMode mode) { transparentMode_ = mode; }

  void Draw(TCanvas& canvas, const TRect& rect) const override;
  // BMP files only.
  [[nodiscard]] bool LoadFromBytes(std::span<const std::uint8_t> bytes) override;
  void Assign(const TPersistent& source) override;

 private:
  void PixelsReplaced();

  ::Bitmap bitmap_;
  std::unique_ptr<DeviceContext> dc_;
  std::unique_ptr<TCanvas> canvas_;
  TColor transparentColor_ = clDefault;
  TTransparentMode transparentMode_ = tmAuto;
};

// A copy of `source` in 24-bit form.
::Bitmap To24Bit(const ::Bitmap& source);
