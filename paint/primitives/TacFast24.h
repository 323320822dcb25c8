#pragma once
// Pixel accessor for a 24-bit bitmap. The engine keeps one instance per use
// and re-attaches it for each call, so loops never allocate. No bounds
// checking: callers check coordinates first.
#include <cstddef>
#include <cstdint>

#include "platform/Bitmap.h"

class TacFast24 {
 public:
  // False (and Width 0) for a missing bitmap, one of width or height 1 or
  // less, or one that is not 24-bit.
  bool Attach(Bitmap* bmp);

  // Colour 0x00BBGGRR of the pixel at (x, y).
  TColor Pixel(int x, int y) const {
    const std::uint8_t* p = Start + y * Delta + 3 * x;
    return static_cast<TColor>(p[2]) | (static_cast<TColor>(p[1]) << 8) | (static_cast<TColor>(p[0]) << 16);
  }
  void SetPixel(int x, int y, TColor color) {
    std::uint8_t* p = Start + y * Delta + 3 * x;
    p[0] = static_cast<std::uint8_t>(color >> 16);
    p[1] = static_cast<std::uint8_t>(color >> 8);
    p[2] = static_cast<std::uint8_t>(color);
  }
  const std::uint8_t* Address(int x, int y) const { return Start + y * Delta + 3 * x; }

  Bitmap* Bmp = nullptr;
  int Width = 0;
  int Height = 0;
  std::uint8_t* Start = nullptr;
  std::ptrdiff_t Delta = 0;
};
