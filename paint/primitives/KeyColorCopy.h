#pragma once
// Copies that treat a key colour as "no image here". Source rectangles are
// INCLUSIVE and clipped to the source bitmap; only pixels whose destination
// lies inside the destination bitmap are touched.
#include "paint/CacheInfo.h"
#include "platform/Bitmap.h"
#include "platform/Geometry.h"

// Copies the source rectangle to the point; key pixels are replaced from
// what lies under the control:
// - with updateCorners and a Ready description whose picture is at least
//   2 by 2: the picture's pixel at (ci.X + x, ci.Y + y) for destination
//   pixel (x, y); left as it was when the destination is that picture itself
//   or the position lies outside the picture;
// - with a Ready description otherwise: left as it was;
// - without a Ready description: the description's FillColor.
void CopyTransBitmaps(Bitmap& dst, const Bitmap& src, TPoint dstPoint, bool updateCorners, const TCacheInfo& ci,
                      TColor key, const TRect& inclusiveSrcRect);

// Copies every pixel of the source rectangle but those equal to the key.
void CopyTransRect(Bitmap& dst, const Bitmap& src, TPoint dstPoint, TColor key, const TRect& inclusiveSrcRect);
