#pragma once
// Comparing a picture at device scale n with the same picture at 1, block by
// block: each logical pixel of the large picture is an n x n block of device
// pixels, which enlarged pixels fill with one colour.
#include "platform/Bitmap.h"
#include "platform/Geometry.h"

// Blocks in `area` (logical pixels) that are not the small picture's pixel
// there, enlarged.
inline int BlocksNotEnlarged(const Bitmap& big, const Bitmap& small, const RECT& area, int n) {
  int count = 0;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x) {
      const TColor expected = small.pixel(x, y);
      bool same = true;
      for (int dy = 0; dy < n && same; ++dy)
        for (int dx = 0; dx < n && same; ++dx) same = big.devicePixel(x * n + dx, y * n + dy) == expected;
      count += same ? 0 : 1;
    }
  return count;
}

// Blocks in `area` whose device pixels are not all alike: detail finer than
// a logical pixel, which enlarged pixels never have.
inline int MixedBlocks(const Bitmap& big, const RECT& area, int n) {
  int count = 0;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x) {
      const TColor first = big.devicePixel(x * n, y * n);
      bool alike = true;
      for (int dy = 0; dy < n && alike; ++dy)
        for (int dx = 0; dx < n && alike; ++dx) alike = big.devicePixel(x * n + dx, y * n + dy) == first;
      count += alike ? 0 : 1;
    }
  return count;
}
