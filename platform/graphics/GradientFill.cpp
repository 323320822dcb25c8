#include "platform/graphics/GradientFill.h"

#include <algorithm>

#include "platform/graphics/RasterOps.h"

TRIVERTEX MakeTriVertex(int x, int y, TColor color) {
  const TColor rgb = ColorToRGB(color);
  return TRIVERTEX{x, y, static_cast<COLOR16>(GetRValue(rgb) << 8), static_cast<COLOR16>(GetGValue(rgb) << 8),
                   static_cast<COLOR16>(GetBValue(rgb) << 8), 0};
}

namespace {

struct Vertex {
  long long x, y;
  long long channel[3];  // blue, green, red as 16-bit values
};

Vertex toVertex(DeviceContext& dc, const TRIVERTEX& v) {
  const TPoint p = dc.toTarget(TPoint{v.x, v.y});
  return Vertex{p.X, p.Y, {v.Blue, v.Green, v.Red}};
}

// Edge function of a->b at p: positive on the inner side once the triangle
// is oriented so that its area is positive.
long long edge(const Vertex& a, const Vertex& b, long long px, long long py) {
  return (b.x - a.x) * (py - a.y) - (b.y - a.y) * (px - a.x);
}

// Points exactly on an edge whose outward side faces right or down belong
// to the neighbouring triangle (the usual top-left rule), so shared edges
// are painted once and a rectangle's right and bottom lines stay outside.
bool ownsEdgePoints(const Vertex& a, const Vertex& b) {
  const long long outwardX = b.y - a.y, outwardY = -(b.x - a.x);
  return !(outwardX > 0 || (outwardX == 0 && outwardY > 0));
}

void shadeTriangle(DeviceContext& dc, Vertex v0, Vertex v1, Vertex v2) {
  long long area = edge(v0, v1, v2.x, v2.y);
  if (area == 0) return;
  if (area < 0) {
    std::swap(v1, v2);
    area = -area;
  }
  const TRect box{static_cast<int>(std::min({v0.x, v1.x, v2.x})), static_cast<int>(std::min({v0.y, v1.y, v2.y})),
                  static_cast<int>(std::max({v0.x, v1.x, v2.x})) + 1, static_cast<int>(std::max({v0.y, v1.y, v2.y})) + 1};
  // A point on an edge the triangle does not own needs a weight above 0.
  const long long bias0 = ownsEdgePoints(v1, v2) ? 0 : 1;
  const long long bias1 = ownsEdgePoints(v2, v0) ? 0 : 1;
  const long long bias2 = ownsEdgePoints(v0, v1) ? 0 : 1;
  Bitmap& target = dc.target();
  const int bpp = target.bytesPerPixel();
  dc.clipInTarget().forEachRectIn(box, [&](const TRect& r) {
    for (int y = r.Top; y < r.Bottom; ++y) {
      // Weights at the row's first pixel, then stepped along x.
      long long w0 = edge(v1, v2, r.Left, y), w1 = edge(v2, v0, r.Left, y), w2 = edge(v0, v1, r.Left, y);
      const long long step0 = -(v2.y - v1.y), step1 = -(v0.y - v2.y), step2 = -(v1.y - v0.y);
      std::uint8_t* p = target.row(y) + r.Left * bpp;
      for (int x = r.Left; x < r.Right; ++x, p += bpp, w0 += step0, w1 += step1, w2 += step2) {
        if (w0 < bias0 || w1 < bias1 || w2 < bias2) continue;
        for (int c = 0; c < 3; ++c) {
          const long long value = (w0 * v0.channel[c] + w1 * v1.channel[c] + w2 * v2.channel[c] + area / 2) / area;
          p[c] = static_cast<std::uint8_t>(value >> 8);
        }
        if (bpp == 4) p[3] = 0;
      }
    }
  });
}

TColor interpolate(const TRIVERTEX& a, const TRIVERTEX& b, long long num, long long den) {
  auto mix = [&](COLOR16 from, COLOR16 to) {
    return static_cast<int>((from + (static_cast<long long>(to) - from) * num / den) >> 8);
  };
  return RGB(mix(a.Red, b.Red), mix(a.Green, b.Green), mix(a.Blue, b.Blue));
}

}  // namespace

bool GradientFill(HDC dc, std::span<const TRIVERTEX> vertices, std::span<const GRADIENT_TRIANGLE> triangles) {
  if (!dc) return false;
  for (const GRADIENT_TRIANGLE& t : triangles)
    if (t.Vertex1 >= vertices.size() || t.Vertex2 >= vertices.size() || t.Vertex3 >= vertices.size()) return false;
  for (const GRADIENT_TRIANGLE& t : triangles)
    shadeTriangle(*dc, toVertex(*dc, vertices[t.Vertex1]), toVertex(*dc, vertices[t.Vertex2]),
                  toVertex(*dc, vertices[t.Vertex3]));
  return true;
}

bool GradientFill(HDC dc, std::span<const TRIVERTEX> vertices, std::span<const GRADIENT_RECT> rects, std::uint32_t mode) {
  if (!dc || (mode != GRADIENT_FILL_RECT_H && mode != GRADIENT_FILL_RECT_V)) return false;
  for (const GRADIENT_RECT& g : rects)
    if (g.UpperLeft >= vertices.size() || g.LowerRight >= vertices.size()) return false;
  Bitmap& target = dc->target();
  for (const GRADIENT_RECT& g : rects) {
    const TRIVERTEX& a = vertices[g.UpperLeft];
    const TRIVERTEX& b = vertices[g.LowerRight];
    const TPoint p0 = dc->toTarget(TPoint{a.x, a.y}), p1 = dc->toTarget(TPoint{b.x, b.y});
    const TRect box{std::min(p0.X, p1.X), std::min(p0.Y, p1.Y), std::max(p0.X, p1.X), std::max(p0.Y, p1.Y)};
    if (box.IsEmpty()) continue;
    // Colour steps from the upper-left vertex's colour at its side toward
    // the other's, one value per column (or row).
    const bool horizontal = mode == GRADIENT_FILL_RECT_H;
    const long long span = horizontal ? box.Width() : box.Height();
    dc->clipInTarget().forEachRectIn(box, [&](const TRect& r) {
      if (horizontal) {
        for (int x = r.Left; x < r.Right; ++x)
          RasterOps::fill(target, TRect{x, r.Top, x + 1, r.Bottom}, interpolate(a, b, x - box.Left, span));
      } else {
        for (int y = r.Top; y < r.Bottom; ++y)
          RasterOps::fill(target, TRect{r.Left, y, r.Right, y + 1}, interpolate(a, b, y - box.Top, span));
      }
    });
  }
  return true;
}
