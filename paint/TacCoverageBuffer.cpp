#include "paint/TacCoverageBuffer.h"

#include <algorithm>

void TacCoverageBuffer::Prepare(int width, int height) {
  width_ = std::max(0, width);
  height_ = std::max(0, height);
  const std::size_t used = Stride() * (static_cast<std::size_t>(height_) + 2);
  if (cells_.size() < used) cells_.resize(2 * used);
  std::fill_n(cells_.begin(), used, std::uint8_t{0});
}

void TacCoverageBuffer::MarkText(const Bitmap& picture) {
  if (picture.format() != PixelFormat::Bgrx32 || picture.width() != width_ || picture.height() != height_) return;
  for (int y = 0; y < height_; ++y) {
    const std::uint8_t* pixel = picture.row(y);
    std::uint8_t* cell = cells_.data() + Index(0, y);
    for (int x = 0; x < width_; ++x, pixel += 4)
      if (pixel[0] != 0) cell[x] = 255;
  }
}

void TacCoverageBuffer::BlurPass() {
  const std::ptrdiff_t stride = static_cast<std::ptrdiff_t>(Stride());
  for (int y = 0; y < height_; ++y) {
    std::uint8_t* cell = cells_.data() + Index(0, y);
    for (int x = 0; x < width_; ++x) {
      const int sum = cell[x - stride] + cell[x + stride] + cell[x - 1] + cell[x + 1];
      cell[x] = static_cast<std::uint8_t>(sum >> 2);
    }
  }
}
