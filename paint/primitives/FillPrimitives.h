#pragma once
// Solid fills and plain block copies on in-memory bitmaps (24- or 32-bit).
// Rectangles are exclusive and clipped to the bitmaps.
#include "platform/Bitmap.h"
#include "platform/Geometry.h"

// Every pixel of the rectangle takes the colour (system colours resolved).
void FillBitmapRect(Bitmap& dst, const TRect& rect, TColor color);

// Fills the four border strips of the rectangle with the given widths: top
// (Left, Top, Right, Top+wt), left (Left, Top+wt, Left+wl, Bottom), bottom
// (Left+wl, Bottom-wb, Right, Bottom), right (Right-wr, Top+wt, Right, Bottom-wb).
void FillBorderStrips(Bitmap& dst, const TRect& rect, int wl, int wt, int wr, int wb, TColor color);

// Copies the source rectangle to the destination at the point, like a block
// transfer. Pixel formats may differ (the fourth byte of a 32-bit target is
// left as it was). Within one bitmap the two rectangles should not overlap,
// except along the same rows.
void CopyBitmapRect(Bitmap& dst, TPoint dstPoint, const Bitmap& src, const TRect& srcRect);
