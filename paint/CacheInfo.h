#pragma once
// What lies under a control: the parent's picture at a position, or the
// parent's plain colour. Every painting routine that may show through to
// the parent takes one.
#include "platform/Bitmap.h"
#include "platform/Color.h"

struct TCacheInfo {
  Bitmap* Bmp = nullptr;       // the parent's picture (not owned), or none
  int X = 0;                   // where this item's origin lies in Bmp
  int Y = 0;
  TColor FillColor = clFuchsia;  // the parent's plain colour; clFuchsia = none
  bool Ready = false;          // Bmp holds a valid picture
};

// A description that borrows from the given picture at (x, y).
TCacheInfo MakeCacheInfo(Bitmap* bmp, int x = 0, int y = 0);

// The one process-wide description for pieces that must never borrow from a
// parent: no bitmap, not Ready and no fill colour. It is read-only so that no
// caller can turn it into a real description by accident.
const TCacheInfo& EmptyCI();
