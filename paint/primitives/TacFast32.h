#pragma once
// Pixel accessor for a 32-bit bitmap (blue, green, red, fourth byte).
// No bounds checking: callers check coordinates first.
#include <cstddef>
#include <cstdint>

#include "platform/Bitmap.h"

class TacFast32 {
 public:
  // False (and Width 0) for a missing bitmap, one smaller than 2 by 2, or
  // one that is not 32-bit.
  bool Attach(Bitmap* bmp);

  // Colour 0x00BBGGRR from the first three bytes; the fourth is not part of it.
  TColor Pixel(int x, int y) const {
    const std::uint8_t* p = Start + y * Delta + 4 * x;
    return static_cast<TColor>(p[2]) | (static_cast<TColor>(p[1]) << 8) | (static_cast<TColor>(p[0]) << 16);
  }
  // Stores blue, green, red and the colour's high byte as the fourth byte.
  void SetPixel(int x, int y, TColor color) {
    std::uint8_t* p = Start + y * Delta + 4 * x;
    p[0] = static_cast<std::uint8_t>(color >> 16);
    p[1] = static_cast<std::uint8_t>(color >> 8);
    p[2] = static_cast<std::uint8_t>(color);
    p[3] = static_cast<std::uint8_t>(color >> 24);
  }
  const std::uint8_t* Address(int x, int y) const { return Start + y * Delta + 4 * x; }

  Bitmap* Bmp = nullptr;
  int Width = 0;
  int Height = 0;
  std::uint8_t* Start = nullptr;
  std::ptrdiff_t Delta = 0;
};
