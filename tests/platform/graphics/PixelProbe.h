#pragma once
// Small helpers for reading back what was drawn on a test bitmap.
#include <string>

#include "platform/Bitmap.h"
#include "platform/Geometry.h"

// Number of pixels of exactly this colour.
inline int CountPixels(const Bitmap& bmp, TColor color) {
  int count = 0;
  for (int y = 0; y < bmp.height(); ++y)
    for (int x = 0; x < bmp.width(); ++x) count += bmp.pixel(x, y) == color ? 1 : 0;
  return count;
}

// Pixels whose every channel is at most `limit` (dark ink on a light ground).
inline int CountDarkPixels(const Bitmap& bmp, int limit) {
  int count = 0;
  for (int y = 0; y < bmp.height(); ++y)
    for (int x = 0; x < bmp.width(); ++x) {
      const TColor c = bmp.pixel(x, y);
      count += GetRValue(c) <= limit && GetGValue(c) <= limit && GetBValue(c) <= limit ? 1 : 0;
    }
  return count;
}

// Bounding box of the pixels that differ from `background`.
inline TRect InkBox(const Bitmap& bmp, TColor background) {
  TRect box{bmp.width(), bmp.height(), 0, 0};
  for (int y = 0; y < bmp.height(); ++y)
    for (int x = 0; x < bmp.width(); ++x)
      if (bmp.pixel(x, y) != background) {
        box.Left = std::min(box.Left, x);
        box.Top = std::min(box.Top, y);
        box.Right = std::max(box.Right, x + 1);
        box.Bottom = std::max(box.Bottom, y + 1);
      }
  return box.IsEmpty() ? TRect{} : box;
}

// One character per pixel: '#' for `ink`, '.' otherwise; rows end in '\n'.
// Failing shape tests print this, which reads much better than coordinates.
inline std::string Picture(const Bitmap& bmp, TColor ink) {
  std::string out;
  for (int y = 0; y < bmp.height(); ++y) {
    for (int x = 0; x < bmp.width(); ++x) out += bmp.pixel(x, y) == ink ? '#' : '.';
    out += '\n';
  }
  return out;
}
