#pragma once
// How much of a text shadow covers each pixel (0 to 255), with a one-cell
// zero border on every side so that the blur can read all four neighbours
// of every picture cell without a bounds check. The allocation only grows:
// a label repainted at the same size reuses it without allocating.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/Bitmap.h"

class TacCoverageBuffer {
 public:
  // Room for a width x height picture with its border, every cell 0. When
  // the allocation is too small it grows to twice the size needed.
  void Prepare(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Bytes allocated (never less than (Width + 2) x (Height + 2)).
  std::size_t Capacity() const { return cells_.size(); }

  // Picture cell (x, y); x and y may be -1 or Width / Height for the border.
  std::uint8_t Cell(int x, int y) const { return cells_[Index(x, y)]; }
  void SetCell(int x, int y, std::uint8_t value) { cells_[Index(x, y)] = value; }
  // Cells 0 .. Width - 1 of picture row y.
  const std::uint8_t* Row(int y) const { return cells_.data() + Index(0, y); }

  // Every cell whose pixel in the 32-bit picture has a blue byte other
  // than 0 (the text, written in white on black) becomes 255. The picture
  // must be Width x Height device pixels.
  void MarkText(const Bitmap& picture);

  // One blur pass: every picture cell, row by row from the top and left to
  // right, becomes (up + down + left + right) div 4 of its neighbours. The
  // pass works in place, so the left and upper neighbours already hold this
  // pass's values and the shadow leans toward the top left.
  void BlurPass();

 private:
  std::size_t Stride() const { return static_cast<std::size_t>(width_) + 2; }
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y + 1) * Stride() + static_cast<std::size_t>(x + 1);
  }

  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> cells_;
  std::vector<std::uint16_t> rowSums_;  // scratch row of the blur, grown once
};
