#include "platform/Bitmap.h"

#include <algorithm>
#include <cstring>
#include <vector>

Bitmap::Bitmap(int width, int height, PixelFormat format, bool bottomUp)
    : format_(format), bottomUp_(bottomUp) {
  resize(width, height);
}

Bitmap Bitmap::AtScale(int scale, int width, int height, PixelFormat format, bool bottomUp) {
  Bitmap bitmap;
  bitmap.format_ = format;
  bitmap.bottomUp_ = bottomUp;
  bitmap.scale_ = std::clamp(scale, DeviceScale::kMin, DeviceScale::kMax);
  bitmap.allocate(width, height);
  return bitmap;
}

Bitmap Bitmap::rescaled(int scale) const {
  if (std::clamp(scale, DeviceScale::kMin, DeviceScale::kMax) == scale_) return *this;
  Bitmap out = AtScale(scale, width_, height_, format_, bottomUp_);
  if (empty()) return out;
  const int bpp = bytesPerPixel();
  std::vector<int> columns(static_cast<std::size_t>(out.deviceWidth()));
  for (int x = 0; x < out.deviceWidth(); ++x) columns[static_cast<std::size_t>(x)] = x * scale_ / out.scale_ * bpp;
  for (int y = 0; y < out.deviceHeight(); ++y) {
    const std::uint8_t* from = row(y * scale_ / out.scale_);
    std::uint8_t* to = out.row(y);
    for (int x = 0; x < out.deviceWidth(); ++x, to += bpp) std::memcpy(to, from + columns[static_cast<std::size_t>(x)], bpp);
  }
  return out;
}

void Bitmap::resize(int width, int height) {
  if (data_.empty()) scale_ = DeviceScale::Current();
  allocate(width, height);
}

void Bitmap::allocate(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  stride_ = ((static_cast<std::ptrdiff_t>(width_) * scale_ * bytesPerPixel() + 3) / 4) * 4;
  data_.assignZeroed(static_cast<std::size_t>(stride_) * static_cast<std::size_t>(height_) *
                     static_cast<std::size_t>(scale_));
  if (width_ == 0 || height_ == 0) {
    width_ = height_ = 0;
    stride_ = 0;
    data_.clear();
  }
}

TColor Bitmap::pixel(int x, int y) const {
  if (!contains(x, y)) return 0xFFFFFFFFu;
  return devicePixel(x * scale_, y * scale_);
}

void Bitmap::setPixel(int x, int y, TColor color) {
  if (!contains(x, y)) return;
  for (int dy = 0; dy < scale_; ++dy)
    for (int dx = 0; dx < scale_; ++dx) setDevicePixel(x * scale_ + dx, y * scale_ + dy, color);
}

TColor Bitmap::devicePixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= deviceWidth() || y >= deviceHeight()) return 0xFFFFFFFFu;
  const std::uint8_t* p = row(y) + x * bytesPerPixel();
  return RGB(p[2], p[1], p[0]);
}

void Bitmap::setDevicePixel(int x, int y, TColor color) {
  if (x < 0 || y < 0 || x >= deviceWidth() || y >= deviceHeight()) return;
  color = ColorToRGB(color);
  std::uint8_t* p = row(y) + x * bytesPerPixel();
  p[0] = static_cast<std::uint8_t>(GetBValue(color));
  p[1] = static_cast<std::uint8_t>(GetGValue(color));
  p[2] = static_cast<std::uint8_t>(GetRValue(color));
}

void Bitmap::fill(TColor color) {
  if (empty()) return;
  color = ColorToRGB(color);
  const std::uint8_t b = static_cast<std::uint8_t>(GetBValue(color));
  const std::uint8_t g = static_cast<std::uint8_t>(GetGValue(color));
  const std::uint8_t r = static_cast<std::uint8_t>(GetRValue(color));
  const int bpp = bytesPerPixel();
  const int width = deviceWidth();
  // Paint the first row, then copy it to the others.
  std::uint8_t* first = data_.data();
  for (int x = 0; x < width; ++x) {
    first[x * bpp] = b;
    first[x * bpp + 1] = g;
    first[x * bpp + 2] = r;
  }
  const int height = deviceHeight();
  for (int y = 1; y < height; ++y) std::memcpy(first + y * stride_, first, static_cast<std::size_t>(stride_));
}

bool Bitmap::operator==(const Bitmap& other) const {
  if (width_ != other.width_ || height_ != other.height_ || format_ != other.format_) return false;
  if (!empty() && scale_ != other.scale_) return false;
  const std::size_t rowBytes = static_cast<std::size_t>(deviceWidth()) * static_cast<std::size_t>(bytesPerPixel());
  const int height = deviceHeight();
  for (int y = 0; y < height; ++y)
    if (std::memcmp(row(y), other.row(y), rowBytes) != 0) return false;
  return true;
}
