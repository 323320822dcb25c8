#pragma once
// Smooth shading of triangles and rectangles between vertex colours, after
// the msimg32 call. Colour channels are 16-bit (channel value * 256).
#include <cstdint>
#include <span>

#include "platform/graphics/DeviceContext.h"

using COLOR16 = std::uint16_t;
struct TRIVERTEX {
  int x = 0;
  int y = 0;
  COLOR16 Red = 0;
  COLOR16 Green = 0;
  COLOR16 Blue = 0;
  COLOR16 Alpha = 0;
};
// Indexes into the vertex array.
struct GRADIENT_TRIANGLE {
  std::uint32_t Vertex1 = 0;
  std::uint32_t Vertex2 = 0;
  std::uint32_t Vertex3 = 0;
};
struct GRADIENT_RECT {
  std::uint32_t UpperLeft = 0;
  std::uint32_t LowerRight = 0;
};
enum GradientFillMode : std::uint32_t { GRADIENT_FILL_RECT_H = 0, GRADIENT_FILL_RECT_V = 1, GRADIENT_FILL_TRIANGLE = 2 };

// A TRIVERTEX at (x, y) in the given colour (system colours resolved).
TRIVERTEX MakeTriVertex(int x, int y, TColor color);

// Pixel (x, y) is shaded at the point (x, y): a pixel at a vertex gets
// exactly that vertex's colour, others the barycentric mix of the corners.
// Points on a triangle's right or bottom edges are left to the neighbour,
// so the four triangles of a rectangle (corners at Right/Bottom) cover
// exactly Left..Right-1 x Top..Bottom-1. False for an index outside the
// vertex array.
bool GradientFill(HDC dc, std::span<const TRIVERTEX> vertices, std::span<const GRADIENT_TRIANGLE> triangles);
// Rectangles from UpperLeft to LowerRight (exclusive), shaded from the left
// to the right colour (GRADIENT_FILL_RECT_H) or top to bottom (_V).
bool GradientFill(HDC dc, std::span<const TRIVERTEX> vertices, std::span<const GRADIENT_RECT> rects, std::uint32_t mode);
