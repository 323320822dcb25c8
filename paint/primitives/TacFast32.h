#pragma once
// Pixel accessor for a 32-bit bitmap (blue, green, red, fourth byte); the
// fourth byte is not part of the colour Pixel answers.
#include <cstdint>

#include "paint/primitives/TacFastRows.h"

class TacFast32 : public TacFastRows<4, PixelFormat::Bgrx32> {
 public:
  // Stores blue, green, red and the colour's high byte as the fourth byte.
  void SetPixel(int x, int y, TColor color) {
    std::uint8_t* p = Start + y * Delta + 4 * x;
    p[0] = static_cast<std::uint8_t>(color >> 16);
    p[1] = static_cast<std::uint8_t>(color >> 8);
    p[2] = static_cast<std::uint8_t>(color);
    p[3] = static_cast<std::uint8_t>(color >> 24);
  }
};
