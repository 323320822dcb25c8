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
  if (picture.format() != PixelFormat::Bgrx32 || picture.deviceWidth() != width_ || picture.deviceHeight() != height_) return;
  for (int y = 0; y < height_; ++y) {
    const std::uint8_t* pixel = picture.row(y);
    std::uint8_t* cell = cells_.data() + Index(0, y);
    // Without a branch: 0 - 1 is 255, so a text cell becomes 255 and any
    // other keeps its value.
    for (int x = 0; x < width_; ++x) cell[x] |= static_cast<std::uint8_t>(0u - (pixel[4 * x] != 0));
  }
}

void TacCoverageBuffer::BlurPass() {
  const std::ptrdiff_t stride = static_cast<std::ptrdiff_t>(Stride());
  if (rowSums_.size() < static_cast<std::size_t>(width_)) rowSums_.resize(static_cast<std::size_t>(width_));
  for (int y = 0; y < height_; ++y) {
    std::uint8_t* cell = cells_.data() + Index(0, y);
    // The row above already holds this pass's values, the row below and the
    // right neighbours the last pass's: their sums can be taken for the
    // whole row at once. Only the left neighbour chains cell to cell.
    std::uint16_t* sums = rowSums_.data();
    for (int x = 0; x < width_; ++x)
      sums[x] = static_cast<std::uint16_t>(cell[x - stride] + cell[x + stride] + cell[x + 1]);
    int left = cell[-1];
    for (int x = 0; x < width_; ++x) {
      left = (sums[x] + left) >> 2;
      cell[x] = static_cast<std::uint8_t>(left);
    }
  }
}
