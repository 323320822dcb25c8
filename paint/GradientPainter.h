#pragma once
// Gradient fills of a rectangle from a parsed gradient array: vertical,
// horizontal, or four shaded triangles meeting at the centre. The Mode of
// the first segment decides which.
#include "paint/SkinRecords.h"
#include "platform/Bitmap.h"
#include "platform/Geometry.h"

enum GradientKind : int { gkVertical = 0, gkHorizontal = 1, gkTriangles = 2 };

// Fills rect (clipped to the bitmap) from the gradient; startShift moves a
// vertical gradient down by that many rows as if it had begun above rect.
// An empty array or an unknown kind draws nothing.
void PaintGrad(Bitmap& dst, const TRect& rect, const TsGradArray& gradient, int startShift = 0);
