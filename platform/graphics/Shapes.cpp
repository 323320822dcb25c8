#include "platform/graphics/Shapes.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/graphics/ClippedPaint.h"
#include "platform/graphics/ShapeScan.h"

namespace {

// Fills a shape already scanned in target pixels (at the target's own
// resolution, so curves stay smooth at every scale): the pen's outline along
// its inside edge, the brush inside that.
bool paintShape(HDC dc, const Region& shape) {
  if (!dc) return false;
  const Pen& pen = dc->state().pen;
  const Brush& brush = dc->state().brush;
  if (Intersect(shape.box(), dc->clipInTarget().box()).IsEmpty()) return true;
  const bool outlined = pen.style != PS_NULL;
  const Region inside = outlined ? ShapeScan::erode(shape, std::max(1, pen.width) * dc->scale()) : shape;
  if (!brush.hollow()) ClippedPaint::fill(*dc, inside, brush.color);
  if (outlined) ClippedPaint::fill(*dc, Region::combine(shape, inside, RGN_DIFF), pen.color);
  return true;
}

// Draws the line from logical point a to b without its end point, one
// pen-width square per step of target pixels. At a scale n the pen is n
// times as wide and the walk stops n - 1 steps early, so that the squares
// end where the end point's logical pixel begins, as at scale 1.
void drawLine(DeviceContext& dc, TPoint logicalA, TPoint logicalB) {
  const Pen& pen = dc.state().pen;
  if (pen.style == PS_NULL) return;
  const int n = dc.scale();
  const TPoint a = dc.toTarget(logicalA), b = dc.toTarget(logicalB);
  const int width = std::max(1, pen.width) * n;
  const int half = (width - 1) / 2;
  const TColor rgb = ColorToRGB(pen.color);
  const Region& clip = dc.clipInTarget();
  Bitmap& target = dc.target();
  const int bpp = target.bytesPerPixel();
  auto plot = [&](int px, int py) {
    if (!clip.contains(px, py)) return;
    std::uint8_t* p = target.row(py) + px * bpp;
    p[0] = static_cast<std::uint8_t>(GetBValue(rgb));
    p[1] = static_cast<std::uint8_t>(GetGValue(rgb));
    p[2] = static_cast<std::uint8_t>(GetRValue(rgb));
    if (bpp == 4) p[3] = 0;
  };

  // Bresenham over the major axis.
  const int dx = std::abs(b.X - a.X), dy = std::abs(b.Y - a.Y);
  const int stepX = a.X < b.X ? 1 : -1, stepY = a.Y < b.Y ? 1 : -1;
  int error = dx - dy;
  int x = a.X, y = a.Y;
  int steps = std::max(dx, dy) - (n - 1);
  while ((x != b.X || y != b.Y) && steps-- > 0) {
    if (width == 1) {
      plot(x, y);
    } else {
      ClippedPaint::fill(dc, TRect{x - half, y - half, x - half + width, y - half + width}, rgb);
    }
    const int twice = 2 * error;
    if (twice > -dy) {
      error -= dy;
      x += stepX;
    }
    if (twice < dx) {
      error += dx;
      y += stepY;
    }
  }
}

// The shape's box in target pixels (a rectangle as the classic calls give
// it: right and bottom may come before left and top).
TRect targetBox(HDC dc, int left, int top, int right, int bottom) {
  const TPoint a = dc->toTarget(TPoint{left, top}), b = dc->toTarget(TPoint{right, bottom});
  return {a.X, a.Y, b.X, b.Y};
}

}  // namespace

bool Rectangle(HDC dc, int left, int top, int right, int bottom) {
  if (!dc) return false;
  return paintShape(dc, Region(targetBox(dc, left, top, right, bottom)));
}

bool Ellipse(HDC dc, int left, int top, int right, int bottom) {
  if (!dc) return false;
  return paintShape(dc, ShapeScan::ellipse(targetBox(dc, left, top, right, bottom)));
}

bool RoundRect(HDC dc, int left, int top, int right, int bottom, int width, int height) {
  if (!dc) return false;
  const int n = dc->scale();
  return paintShape(dc, ShapeScan::roundRect(targetBox(dc, left, top, right, bottom), width * n, height * n));
}

bool Pie(HDC dc, int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) {
  if (!dc) return false;
  return paintShape(dc, ShapeScan::pie(targetBox(dc, left, top, right, bottom), dc->toTarget(TPoint{x1, y1}),
                                       dc->toTarget(TPoint{x2, y2})));
}

bool Polygon(HDC dc, std::span<const TPoint> points) {
  if (!dc || points.size() < 2) return false;
  // Inside by the fill mode, then the edges drawn as lines through every
  // vertex, as the classic Polygon does.
  const Brush& brush = dc->state().brush;
  if (!brush.hollow()) {
    std::vector<TPoint> corners(points.begin(), points.end());
    for (TPoint& p : corners) p = dc->toTarget(p);
    ClippedPaint::fill(*dc, ShapeScan::polygon(corners, dc->state().polyFillMode), brush.color);
  }
  for (std::size_t i = 0; i < points.size(); ++i) drawLine(*dc, points[i], points[(i + 1) % points.size()]);
  return true;
}

bool MoveToEx(HDC dc, int x, int y, TPoint* previous) {
  if (!dc) return false;
  if (previous) *previous = dc->state().currentPosition;
  dc->state().currentPosition = TPoint{x, y};
  return true;
}

bool LineTo(HDC dc, int x, int y) {
  if (!dc) return false;
  drawLine(*dc, dc->state().currentPosition, TPoint{x, y});
  dc->state().currentPosition = TPoint{x, y};
  return true;
}

bool Polyline(HDC dc, std::span<const TPoint> points) {
  if (!dc || points.size() < 2) return false;
  for (std::size_t i = 0; i + 1 < points.size(); ++i) drawLine(*dc, points[i], points[i + 1]);
  return true;
}
