#pragma once
// An in-memory device-independent bitmap: 24-bit (blue, green, red) or 32-bit
// (blue, green, red, fourth byte) pixels. Rows are padded to four bytes and
// addressed by the start of row 0 and a signed distance from one row to the
// next, so bottom-up and top-down storage read alike.
//
// A bitmap has a size in logical pixels and a device scale N (DeviceScale.h):
// it stores N x N device pixels for each logical one. Sizes, pixel() and
// setPixel() speak logical pixels; the storage (row(), start(), delta(),
// bits()) holds device pixels, deviceWidth() by deviceHeight() of them. At
// scale 1 the two are the same. Pixel loops that walk rows use the device
// sizes; the primitives turn logical rectangles into device ones first.
#include <cstddef>
#include <cstdint>
#include "platform/Color.h"
#include "platform/DeviceScale.h"
#include "platform/PixelBuffer.h"

enum class PixelFormat : std::uint8_t { Bgr24, Bgrx32 };

class Bitmap {
 public:
  // No pixels, at the program's current device scale.
  Bitmap() = default;
  // A logical size at the program's current device scale. Contents start
  // black (all bytes 0). Negative sizes count as 0.
  Bitmap(int width, int height, PixelFormat format = PixelFormat::Bgr24, bool bottomUp = false);
  // The same at a given scale: pictures read from files are made at 1 and
  // enlarged to the program's scale by whoever shows them.
  static Bitmap AtScale(int scale, int width, int height, PixelFormat format = PixelFormat::Bgr24,
                        bool bottomUp = false);

  // Logical size.
  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return width_ <= 0 || height_ <= 0; }
  // Device pixels per logical pixel across and down, and the stored size.
  int scale() const { return scale_; }
  int deviceWidth() const { return width_ * scale_; }
  int deviceHeight() const { return height_ * scale_; }
  PixelFormat format() const { return format_; }
  int bytesPerPixel() const { return format_ == PixelFormat::Bgr24 ? 3 : 4; }
  bool bottomUp() const { return bottomUp_; }
  // Bytes from one row start to the next in storage (always positive).
  std::ptrdiff_t stride() const { return stride_; }

  // Address of row 0 and the signed distance from row y to row y + 1.
  std::uint8_t* start() { return rowZero(); }
  const std::uint8_t* start() const { return const_cast<Bitmap*>(this)->rowZero(); }
  std::ptrdiff_t delta() const { return bottomUp_ ? -stride_ : stride_; }

  // Device row y (0 to deviceHeight() - 1).
  std::uint8_t* row(int y) { return rowZero() + y * delta(); }
  const std::uint8_t* row(int y) const { return start() + y * delta(); }

  // Checked single-pixel access for tests and rare callers; pixel loops
  // should walk rows instead. Outside the bitmap: pixel answers 0xFFFFFFFF
  // and setPixel does nothing. Logical pixels: pixel reads the top-left
  // device pixel of the logical one, setPixel paints all of them.
  TColor pixel(int x, int y) const;
  void setPixel(int x, int y, TColor color);
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  // The same for one device pixel.
  TColor devicePixel(int x, int y) const;
  void setDevicePixel(int x, int y, TColor color);

  // Fills every pixel with a colour (system colours resolved).
  void fill(TColor color);
  // Resizes, discarding the contents (all bytes 0 afterwards). The scale
  // stays, except that a bitmap without pixels takes the current one.
  void resize(int width, int height);
  // The same picture stored at another scale: each device pixel is the
  // nearest one of this bitmap's (a picture at 1 enlarged to 2 repeats every
  // pixel as a 2 x 2 block). The format and row order stay; at this
  // bitmap's own scale, a plain copy.
  Bitmap rescaled(int scale) const;
  // A new bitmap with the same size, scale and format (the engine's "copy shape").
  Bitmap copyShape() const { return AtScale(scale_, width_, height_, format_, bottomUp_); }

  // Raw storage in memory order (bottom row first for bottom-up bitmaps).
  std::uint8_t* bits() { return data_.data(); }
  const std::uint8_t* bits() const { return data_.data(); }
  std::size_t sizeInBytes() const { return data_.size(); }

  bool operator==(const Bitmap& other) const;

 private:
  std::uint8_t* rowZero() {
    if (data_.empty()) return nullptr;
    return bottomUp_ ? data_.data() + (deviceHeight() - 1) * stride_ : data_.data();
  }
  // Storage for a logical size at scale_, all bytes 0.
  void allocate(int width, int height);

  int width_ = 0;
  int height_ = 0;
  int scale_ = DeviceScale::Current();
  PixelFormat format_ = PixelFormat::Bgr24;
  bool bottomUp_ = false;
  std::ptrdiff_t stride_ = 0;
  PixelBuffer data_;
};
