#pragma once
// Filling a rectangle from a texture: a piece of the master bitmap, a mask's
// own bitmap or a pattern picture. The routines report through the
// rectangle argument the part they left for the caller to fill with the
// section colour, or (-1, -1, -1, -1) when nothing is left.
#include "paint/CacheInfo.h"
#include "paint/SkinRecords.h"
#include "platform/Bitmap.h"
#include "platform/Geometry.h"

// The value that says "the whole rectangle is covered".
constexpr TRect kFullyCovered{-1, -1, -1, -1};

// Lays block copies of the piece from origin across and down, drawing only
// inside area (and the destination bitmap).
void TilePiece(Bitmap& dst, const TRect& area, TPoint origin, const Bitmap& src, const TRect& piece);

// Fills rect from a texture in one of the fill modes 0-7 and 10. With a mask,
// the piece is mask->R of picture (the master bitmap); a mask with a bitmap
// of its own, or no mask at all (picture is a pattern picture), tiles that
// picture unscaled over the whole rectangle whatever the mode. Unknown fill
// modes and empty pictures draw nothing and leave the whole rect uncovered.
void TileTexture(Bitmap& dst, TRect& rect, const Bitmap* picture, int fillMode, const TsMaskData* mask);

// Fills rect from a texture with a mask half (fill modes 0 and 10), showing
// the parent of the cache description through it. The source is the mask's
// own bitmap or else master. Reports the rectangle covered; other modes draw
// nothing and leave it uncovered.
void TileTextureWithMask(Bitmap& dst, TRect& rect, const TCacheInfo& ci, int fillMode, const TsMaskData& mask,
                         const Bitmap& master);
