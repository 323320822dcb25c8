#pragma once
// Copies through the mask half of a skin image: the rows below an image in
// the skin bitmap hold, per channel, how much of the destination shows
// through (0 = the image alone, 255 = almost only the destination).
#include "paint/CacheInfo.h"
#include "paint/SkinRecords.h"
#include "platform/Bitmap.h"
#include "platform/Geometry.h"

// Blends the source rectangle onto the destination rectangle through the
// mask half, which lies mask.R.Height() / 2 rows below each image row. Sizes
// are the smaller of the two rectangles, cut to both bitmaps. Each channel
// becomes (d * m + s * (256 - m)) >> 8. Key-colour source pixels:
// - Ready description, updateCorners clear: blended like any other pixel;
// - Ready, updateCorners set: the parent picture's pixel under them (left as
//   they were outside that picture);
// - not Ready, updateCorners set: the description's FillColor;
// - not Ready, updateCorners clear: left as they were.
void CopyByMask(const TRect& dstRect, const TRect& srcRect, Bitmap& dst, const TsMaskData& mask, bool updateCorners,
                const TCacheInfo& ci, const Bitmap& src);

// Draws a glyph through its mask half (mask.R.Height() / (MaskType + 1) rows
// below), both rectangles INCLUSIVE; key-colour source pixels are skipped.
// Mode 1 blends as CopyByMask; any other mode first raises each mask value by
// 100 (at most 255), which makes the glyph paler (disabled glyphs). A mask
// without a mask half (MaskType 0) is copied skipping the key colour.
void CopyGlyphByMask(const TRect& inclusiveDstRect, const TRect& inclusiveSrcRect, Bitmap& dst, const TsMaskData& mask,
                     int mode, const Bitmap& src);
