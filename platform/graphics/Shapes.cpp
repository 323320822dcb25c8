#include "platform/graphics/Shapes.h"

#include <algorithm>
#include <cstdlib>

#include "platform/graphics/ClippedPaint.h"
#include "platform/graphics/ShapeScan.h"

namespace {

// Fills a shape given in logical coordinates: the pen's outline along its
// inside edge, the brush inside that.
bool paintShape(HDC dc, Region shape) {
  if (!dc) return false;
  const Pen& pen = dc->state().pen;
  const Brush& brush = dc->state().brush;
  shape = ClippedPaint::toTarget(*dc, std::move(shape));
  if (Intersect(shape.box(), dc->clipInTarget().box()).IsEmpty()) return true;
  const bool outlined = pen.style != PS_NULL;
  const Region inside = outlined ? ShapeScan::erode(shape, std::max(1, pen.width)) : shape;
  if (!brush.hollow()) ClippedPaint::fill(*dc, inside, brush.color);
  if (outlined) ClippedPaint::fill(*dc, Region::combine(shape, inside, RGN_DIFF), pen.color);
  return true;
}

// Draws the line from a to b (target pixels) without its end point, one
// pen-width square per step.
void drawLine(DeviceContext& dc, TPoint a, TPoint b) {
  const Pen& pen = dc.state().pen;
  if (pen.style == PS_NULL) return;
  const int width = std::max(1, pen.width);
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
  while (x != b.X || y != b.Y) {
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

}  // namespace

bool Rectangle(HDC dc, int left, int top, int right, int bottom) {
  return paintShape(dc, Region(TRect{left, top, right, bottom}));
}

bool Ellipse(HDC dc, int left, int top, int right, int bottom) {
  return paintShape(dc, ShapeScan::ellipse(TRect{left, top, right, bottom}));
}

bool RoundRect(HDC dc, int left, int top, int right, int bottom, int width, int height) {
  return paintShape(dc, ShapeScan::roundRect(TRect{left, top, right, bottom}, width, height));
}

bool Pie(HDC dc, int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) {
  return paintShape(dc, ShapeScan::pie(TRect{left, top, right, bottom}, TPoint{x1, y1}, TPoint{x2, y2}));
}

bool Polygon(HDC dc, std::span<const TPoint> points) {
  if (!dc || points.size() < 2) return false;
  // Inside by the fill mode, then the edges drawn as lines through every
  // vertex, as the classic Polygon does.
  const Brush& brush = dc->state().brush;
  if (!brush.hollow())
    ClippedPaint::fill(*dc, ClippedPaint::toTarget(*dc, ShapeScan::polygon(points, dc->state().polyFillMode)), brush.color);
  for (std::size_t i = 0; i < points.size(); ++i)
    drawLine(*dc, dc->toTarget(points[i]), dc->toTarget(points[(i + 1) % points.size()]));
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
  drawLine(*dc, dc->toTarget(dc->state().currentPosition), dc->toTarget(TPoint{x, y}));
  dc->state().currentPosition = TPoint{x, y};
  return true;
}

bool Polyline(HDC dc, std::span<const TPoint> points) {
  if (!dc || points.size() < 2) return false;
  for (std::size_t i = 0; i + 1 < points.size(); ++i) drawLine(*dc, dc->toTarget(points[i]), dc->toTarget(points[i + 1]));
  return true;
}
