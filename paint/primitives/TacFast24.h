#pragma once
// Pixel accessor for a 24-bit bitmap. The engine keeps one instance per use
// and re-attaches it for each call, so loops never allocate.
#include <cstdint>

#include "paint/primitives/TacFastRows.h"

class TacFast24 : public TacFastRows<3, PixelFormat::Bgr24> {
 public:
  void SetPixel(int x, int y, TColor color) {
    std::uint8_t* p = Start + y * Delta + 3 * x;
    p[0] = static_cast<std::uint8_t>(color >> 16);
    p[1] = static_cast<std::uint8_t>(color >> 8);
    p[2] = static_cast<std::uint8_t>(color);
  }
};
