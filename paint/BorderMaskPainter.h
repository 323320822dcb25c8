#pragma once
// The nine-piece border of a skin item: four corners, four edges and an
// optional centre cut from one state frame of a border mask.
#include "paint/BorderPieces.h"
#include "paint/CacheInfo.h"
#include "paint/SkinRecords.h"
#include "platform/Bitmap.h"
#include "platform/Geometry.h"
#include "platform/graphics/Region.h"

// StretchMode flags of a border mask.
enum BorderStretchFlags : int {
  bsStretchEdges = 1,    // edges and centre are scaled instead of tiled
  bsHiddenInNormal = 2,  // not drawn in state 0
  bsDrawCentre = 4,      // the centre piece is drawn
};

// Paints the border mask around rect in the given state (clamped to the
// mask's frames). The corners show the parent of the cache description
// through their key-colour or masked pixels when updateCorners is set. The
// mask lives in its own bitmap or in master. Nothing is drawn in state 0
// for a mask hidden in the normal state, for rectangles under 2 by 2, or
// without a picture.
void PaintBorderMask(Bitmap& dst, const TRect& rect, bool fillCentre, bool updateCorners, int state, const TsMaskData& mask,
                     const TCacheInfo& ci, const Bitmap* master);

// The border of a control whose window takes the shape of the skin's corners
// (windowed buttons): the pieces are laid around the whole of dst in the
// given state; key-colour pixels of the four corners are not drawn and,
// when a region is given, are cut out of it.
void PaintBorderMaskWithRegion(Bitmap& dst, Region* region, int state, const TsMaskData& mask, const Bitmap* master);

// Which corners PaintBorderCorners repaints.
enum BorderCornerFlags : unsigned { bcTopLeft = 1, bcBottomLeft = 2, bcTopRight = 4, bcBottomRight = 8, bcAll = 15 };

// Repaints the chosen corner pieces of state's frame (clamped) around rect
// over the parent of the cache description, which shows through their
// key-colour or masked pixels. A mask with its own bitmap and no frame
// count counts as three frames over a mask half spanning the whole bitmap.
// Nothing happens for rectangles under 2 by 2 or without a picture.
void PaintBorderCorners(Bitmap& dst, const TRect& rect, int state, const TsMaskData& mask, const TCacheInfo& ci,
                        const Bitmap* master, unsigned corners);
