#pragma once
// Reads the parent's picture of a cache description for pixels that must
// show through (key-colour pixels of corners and masks). Attaches the
// engine's 24- or 32-bit accessor, whichever matches the picture.
#include <cstdint>

#include "paint/CacheInfo.h"

class CachePictureReader {
 public:
  // Attached only for a Ready description whose picture is at least 2 by 2.
  explicit CachePictureReader(const TCacheInfo& ci);

  bool Attached() const { return start_ != nullptr; }
  // The blue, green, red bytes under destination device pixel (x, y), or null when
  // that position lies outside the picture (the pixel is then left as it was).
  const std::uint8_t* At(int x, int y) const {
    const int cx = x + offsetX_, cy = y + offsetY_;
    if (cx < 0 || cy < 0 || cx >= width_ || cy >= height_) return nullptr;
    return start_ + cy * delta_ + cx * bytesPerPixel_;
  }
  // The bytes under `count` destination pixels from (x, y) rightwards, when
  // all of them lie inside the picture; null otherwise.
  const std::uint8_t* Run(int x, int y, int count) const {
    const int cx = x + offsetX_, cy = y + offsetY_;
    if (cx < 0 || cy < 0 || cx > width_ - count || cy >= height_) return nullptr;
    return start_ + cy * delta_ + cx * bytesPerPixel_;
  }
  int BytesPerPixel() const { return bytesPerPixel_; }

 private:
  const std::uint8_t* start_ = nullptr;
  std::ptrdiff_t delta_ = 0;
  int width_ = 0;
  int height_ = 0;
  int bytesPerPixel_ = 3;
  int offsetX_ = 0;
  int offsetY_ = 0;
};
