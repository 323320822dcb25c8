#pragma once
// Weighted copy of a rectangle between two 24-bit bitmaps: each destination
// byte keeps Alpha / 255 of itself and takes the rest from the source.
#include <cstddef>
#include <cstdint>

#include "platform/Bitmap.h"

// One row of the weighted copy written to a third buffer: out[i] becomes
// (keepFrom[i] * keep + takeFrom[i] * (255 - keep) + 127) >> 8, the byte a
// weighted copy of takeFrom onto a copy of keepFrom leaves. The three rows
// must not overlap.
void WeightedRowInto(std::uint8_t* out, const std::uint8_t* keepFrom, const std::uint8_t* takeFrom, int count,
                     std::uint8_t keep);

class TacFastSum24 {
 public:
  // False when either bitmap is missing, not 24-bit, or smaller than 2 in
  // width or height.
  bool Attach(const Bitmap* src, Bitmap* dst);

  // Blends the source rectangle (SrcX1, SrcY1) onto the destination
  // rectangle (DstX1, DstY1, DstX2, DstY2). The caller clips both first.
  void BlendRect();

  const Bitmap* Src = nullptr;
  Bitmap* Dst = nullptr;
  int Width = 0;   // the smaller of the two bitmaps' device widths
  int Height = 0;  // and heights
  const std::uint8_t* SrcStart = nullptr;
  std::uint8_t* DstStart = nullptr;
  std::ptrdiff_t SrcDelta = 0;
  std::ptrdiff_t DstDelta = 0;
  std::uint8_t Alpha = 0;  // the weight the destination keeps
  int DstX1 = 0, DstY1 = 0, DstX2 = 0, DstY2 = 0;
  int SrcX1 = 0, SrcY1 = 0, SrcX2 = 0, SrcY2 = 0;
};
