#pragma once
// What the two pixel accessors share: the attached bitmap (not owned), its
// size, the location of row 0 and the signed byte distance from one row to
// the next, checked once when attached so that pixel loops need no checks.
// A pixel is BytesPerPixel bytes, blue, green and red first. No bounds
// checking: callers check coordinates first.
#include <cstddef>
#include <cstdint>

#include "platform/Bitmap.h"

template <int BytesPerPixel, PixelFormat Format>
class TacFastRows {
 public:
  static constexpr int kBytesPerPixel = BytesPerPixel;

  // False (and Width 0) for a missing bitmap, one smaller than 2 by 2, or
  // one of another format.
  bool Attach(Bitmap* bmp) {
    Bmp = bmp;
    if (bmp == nullptr || bmp->width() < 2 || bmp->height() < 2 || bmp->format() != Format) {
      Width = Height = 0;
      Start = nullptr;
      Delta = 0;
      return false;
    }
    Width = bmp->width();
    Height = bmp->height();
    Start = bmp->start();
    Delta = bmp->row(1) - bmp->row(0);
    return true;
  }

  // Colour 0x00BBGGRR of the pixel at (x, y), from its first three bytes.
  TColor Pixel(int x, int y) const {
    const std::uint8_t* p = Address(x, y);
    return static_cast<TColor>(p[2]) | (static_cast<TColor>(p[1]) << 8) | (static_cast<TColor>(p[0]) << 16);
  }
  const std::uint8_t* Address(int x, int y) const { return Start + y * Delta + BytesPerPixel * x; }

  Bitmap* Bmp = nullptr;
  int Width = 0;
  int Height = 0;
  std::uint8_t* Start = nullptr;
  std::ptrdiff_t Delta = 0;
};
