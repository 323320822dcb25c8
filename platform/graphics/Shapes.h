#pragma once
// Outlined and filled shapes, after the classic desktop API. A shape with a
// box (left, top, right, bottom) covers the pixels from left/top to
// right-1/bottom-1; the selected pen draws its outline inside that box
// (pen width pixels thick), the selected brush fills the rest. A null pen
// leaves the whole shape to the brush; a hollow brush leaves the inside
// untouched. Edges are aliased, as in the classic look.
#include <span>

#include "platform/graphics/DeviceContext.h"

bool Rectangle(HDC dc, int left, int top, int right, int bottom);
bool Ellipse(HDC dc, int left, int top, int right, int bottom);
// Corner ellipses of width x height pixels.
bool RoundRect(HDC dc, int left, int top, int right, int bottom, int width, int height);
// The part of the ellipse counter-clockwise from the ray toward (x1, y1) to
// the ray toward (x2, y2).
bool Pie(HDC dc, int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);
// Filled by the context's polygon fill mode; closed automatically.
bool Polygon(HDC dc, std::span<const TPoint> points);

// Lines in the pen's colour and width; the end point of LineTo is not drawn.
bool MoveToEx(HDC dc, int x, int y, TPoint* previous = nullptr);
bool LineTo(HDC dc, int x, int y);
bool Polyline(HDC dc, std::span<const TPoint> points);
