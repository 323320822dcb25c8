#pragma once
// Scan conversion of the classic shapes into regions. A shape with a box
// covers pixels Left..Right-1 x Top..Bottom-1; a pixel belongs to a curved
// shape when its centre lies inside the curve.
#include <span>

#include "platform/graphics/Region.h"

namespace ShapeScan {

// Shapes are scan-converted row by row; boxes beyond these limits (far
// outside any window) are refused and give empty regions.
constexpr int kMaxCoordinate = 1 << 27;
constexpr int kMaxRows = 1 << 16;
bool acceptable(const TRect& box);

// The pixels of row `row` (0-based) of an ellipse filling a width x height
// box, as [left, right) relative to the box. False when the row is empty.
bool ellipseRow(int width, int height, int row, int& left, int& right);

Region ellipse(const TRect& box);
Region roundRect(const TRect& box, int cornerWidth, int cornerHeight);
Region polygon(std::span<const TPoint> points, int fillMode);
// The part of the ellipse counter-clockwise (as seen on screen) from the ray
// toward start to the ray toward end; equal rays give the whole ellipse.
Region pie(const TRect& box, TPoint start, TPoint end);
// Removes `width` layers of boundary pixels (pixels with a neighbour left,
// right, above or below outside the region): what remains inside an outline
// drawn with a pen of that width.
Region erode(const Region& region, int width);

}  // namespace ShapeScan
