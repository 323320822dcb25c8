#pragma once
// The nine-piece border of a skin item: four corners, four edges and an
// optional centre cut from one state frame of a border mask.
#include "paint/CacheInfo.h"
#include "paint/SkinRecords.h"
#include "platform/Bitmap.h"
#include "platform/Geometry.h"

// StretchMode flags of a border mask.
enum BorderStretchFlags : int {
  bsStretchEdges = 1,    // edges and centre are scaled instead of tiled
  bsHiddenInNormal = 2,  // not drawn in state 0
  bsDrawCentre = 4,      // the centre piece is drawn
};

// The border widths that fit a rectangle: when two opposite widths add up to
// more than the rectangle, both shrink (the right or bottom one by one more
// for an odd size), never below 0.
struct BorderWidths {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};
BorderWidths FitBorderWidths(const TsMaskData& mask, int width, int height);

// Paints the border mask around rect in the given state (clamped to the
// mask's frames). The corners show the parent of the cache description
// through their key-colour or masked pixels when updateCorners is set. The
// mask lives in its own bitmap or in master. Nothing is drawn in state 0
// for a mask hidden in the normal state, for rectangles under 2 by 2, or
// without a picture.
void PaintBorderMask(Bitmap& dst, const TRect& rect, bool fillCentre, bool updateCorners, int state, const TsMaskData& mask,
                     const TCacheInfo& ci, const Bitmap* master);
