#pragma once
// An in-memory device-independent bitmap: 24-bit (blue, green, red) or 32-bit
// (blue, green, red, fourth byte) pixels. Rows are padded to four bytes and
// addressed by the start of row 0 and a signed distance from one row to the
// next, so bottom-up and top-down storage read alike.
#include <cstddef>
#include <cstdint>
#include "platform/Color.h"
#include "platform/PixelBuffer.h"

enum class PixelFormat : std::uint8_t { Bgr24, Bgrx32 };

class Bitmap {
 public:
  Bitmap() = default;
  // Contents start black (all bytes 0). Negative sizes count as 0.
  Bitmap(int width, int height, PixelFormat format = PixelFormat::Bgr24, bool bottomUp = false);

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return width_ <= 0 || height_ <= 0; }
  PixelFormat format() const { return format_; }
  int bytesPerPixel() const { return format_ == PixelFormat::Bgr24 ? 3 : 4; }
  bool bottomUp() const { return bottomUp_; }
  // Bytes from one row start to the next in storage (always positive).
  std::ptrdiff_t stride() const { return stride_; }

  // Address of row 0 and the signed distance from row y to row y + 1.
  std::uint8_t* start() { return rowZero(); }
  const std::uint8_t* start() const { return const_cast<Bitmap*>(this)->rowZero(); }
  std::ptrdiff_t delta() const { return bottomUp_ ? -stride_ : stride_; }

  std::uint8_t* row(int y) { return rowZero() + y * delta(); }
  const std::uint8_t* row(int y) const { return start() + y * delta(); }

  // Checked single-pixel access for tests and rare callers; pixel loops
  // should walk rows instead. Outside the bitmap: GetPixel answers
  // 0xFFFFFFFF and SetPixel does nothing.
  TColor pixel(int x, int y) const;
  void setPixel(int x, int y, TColor color);
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // Fills every pixel with a colour (system colours resolved).
  void fill(TColor color);
  // Resizes, discarding the contents (all bytes 0 afterwards).
  void resize(int width, int height);
  // A new bitmap with the same size and format (the engine's "copy shape").
  Bitmap copyShape() const { return Bitmap(width_, height_, format_, bottomUp_); }

  // Raw storage in memory order (bottom row first for bottom-up bitmaps).
  std::uint8_t* bits() { return data_.data(); }
  const std::uint8_t* bits() const { return data_.data(); }
  std::size_t sizeInBytes() const { return data_.size(); }

  bool operator==(const Bitmap& other) const;

 private:
  std::uint8_t* rowZero() {
    if (data_.empty()) return nullptr;
    return bottomUp_ ? data_.data() + (height_ - 1) * stride_ : data_.data();
  }

  int width_ = 0;
  int height_ = 0;
  PixelFormat format_ = PixelFormat::Bgr24;
  bool bottomUp_ = false;
  std::ptrdiff_t stride_ = 0;
  PixelBuffer data_;
};
