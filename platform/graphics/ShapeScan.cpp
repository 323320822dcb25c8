#include "platform/graphics/ShapeScan.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/graphics/RegionBuilder.h"

namespace ShapeScan {

bool acceptable(const TRect& box) {
  for (int v : {box.Left, box.Top, box.Right, box.Bottom})
    if (v < -kMaxCoordinate || v > kMaxCoordinate) return false;
  return box.Bottom - box.Top <= kMaxRows;
}

bool ellipseRow(int width, int height, int row, int& left, int& right) {
  if (width <= 0 || height <= 0 || row < 0 || row >= height) return false;
  const double a = width / 2.0;
  const double b = height / 2.0;
  const double y = row + 0.5 - b;
  const double t = 1.0 - (y * y) / (b * b);
  if (t < 0) return false;
  const double halfWidth = a * std::sqrt(t);
  // Pixel i is inside when its centre i + 0.5 lies within a +- halfWidth.
  left = std::max(0, static_cast<int>(std::ceil(a - halfWidth - 0.5)));
  right = std::min(width, static_cast<int>(std::floor(a + halfWidth - 0.5)) + 1);
  // Keep the two halves mirror images of each other despite rounding.
  left = std::max(left, width - right);
  right = width - left;
  return left < right;
}

Region ellipse(const TRect& box) {
  if (!acceptable(box)) return Region();
  RegionBuilder builder;
  int left = 0, right = 0;
  for (int row = 0; row < box.Height(); ++row)
    if (ellipseRow(box.Width(), box.Height(), row, left, right)) builder.addRow(box.Top + row, box.Left + left, box.Left + right);
  return builder.finish();
}

Region roundRect(const TRect& box, int cornerWidth, int cornerHeight) {
  if (!acceptable(box)) return Region();
  const int width = box.Width(), height = box.Height();
  if (width <= 0 || height <= 0) return Region();
  const int cw = std::clamp(cornerWidth, 0, width);
  const int ch = std::clamp(cornerHeight, 0, height);
  if (cw < 2 || ch < 2) return Region(box);
  RegionBuilder builder;
  const int topRows = ch / 2;
  const int bottomRows = ch / 2;
  for (int row = 0; row < height; ++row) {
    int ellipseRowIndex = -1;
    if (row < topRows)
      ellipseRowIndex = row;
    else if (row >= height - bottomRows)
      ellipseRowIndex = ch - (height - row);
    if (ellipseRowIndex < 0) {
      builder.addRow(box.Top + row, box.Left, box.Right);
      continue;
    }
    int left = 0, right = 0;
    if (!ellipseRow(cw, ch, ellipseRowIndex, left, right)) continue;
    // The corner ellipse's row, with its middle stretched to the box width.
    builder.addRow(box.Top + row, box.Left + left, box.Right - left);
  }
  return builder.finish();
}

Region polygon(std::span<const TPoint> points, int fillMode) {
  if (points.size() < 3) return Region();
  int top = points[0].Y, bottom = points[0].Y;
  for (const TPoint& p : points) {
    top = std::min(top, p.Y);
    bottom = std::max(bottom, p.Y);
  }
  for (const TPoint& p : points)
    if (!acceptable(TRect{p.X, top, p.X, bottom})) return Region();
  struct Crossing {
    double x;
    int direction;
  };
  std::vector<Crossing> crossings;
  std::vector<Region::Span> spans;
  RegionBuilder builder;
  for (int y = top; y < bottom; ++y) {
    const double sampleY = y + 0.5;
    crossings.clear();
    for (std::size_t i = 0; i < points.size(); ++i) {
      const TPoint& p0 = points[i];
      const TPoint& p1 = points[(i + 1) % points.size()];
      if (p0.Y == p1.Y) continue;
      const bool down = p1.Y > p0.Y;
      const int yMin = down ? p0.Y : p1.Y, yMax = down ? p1.Y : p0.Y;
      if (sampleY < yMin || sampleY >= yMax) continue;
      const double x = p0.X + (sampleY - p0.Y) * (p1.X - p0.X) / static_cast<double>(p1.Y - p0.Y);
      crossings.push_back({x, down ? 1 : -1});
    }
    std::sort(crossings.begin(), crossings.end(), [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
    spans.clear();
    int winding = 0;
    for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
      winding += crossings[i].direction;
      const bool inside = fillMode == WINDING ? winding != 0 : (i % 2) == 0;
      if (!inside) continue;
      // Pixels whose centres lie in [x0, x1).
      const int left = static_cast<int>(std::ceil(crossings[i].x - 0.5));
      const int right = static_cast<int>(std::ceil(crossings[i + 1].x - 0.5));
      if (left < right) spans.push_back({left, right});
    }
    builder.addRow(y, spans);
  }
  return builder.finish();
}

Region pie(const TRect& box, TPoint start, TPoint end) {
  if (!acceptable(box)) return Region();
  for (int v : {start.X, start.Y, end.X, end.Y})
    if (v < -kMaxCoordinate || v > kMaxCoordinate) return Region();
  // Screen y grows downward; flipping it makes counter-clockwise positive.
  const double cx = box.Left + box.Width() / 2.0;
  const double cy = box.Top + box.Height() / 2.0;
  const double sx = start.X - cx, sy = cy - start.Y;
  const double ex = end.X - cx, ey = cy - end.Y;
  const double sweepCross = sx * ey - sy * ex;
  const double sweepDot = sx * ex + sy * ey;
  const bool wholeEllipse = sweepCross == 0 && sweepDot >= 0;
  const bool wide = sweepCross < 0 || (sweepCross == 0 && sweepDot < 0);  // sweep of half a turn or more

  RegionBuilder builder;
  std::vector<Region::Span> spans;
  int left = 0, right = 0;
  for (int row = 0; row < box.Height(); ++row) {
    if (!ellipseRow(box.Width(), box.Height(), row, left, right)) continue;
    const double py = cy - (box.Top + row + 0.5);
    spans.clear();
    for (int i = left; i < right; ++i) {
      const double px = box.Left + i + 0.5 - cx;
      bool inside = true;
      if (!wholeEllipse) {
        const double fromStart = sx * py - sy * px;  // >= 0: p is counter-clockwise of start
        const double toEnd = px * ey - py * ex;      // >= 0: end is counter-clockwise of p
        inside = wide ? !(fromStart < 0 && toEnd < 0) : (fromStart >= 0 && toEnd >= 0);
      }
      if (!inside) continue;
      if (!spans.empty() && spans.back().right == box.Left + i)
        ++spans.back().right;
      else
        spans.push_back({box.Left + i, box.Left + i + 1});
    }
    builder.addRow(box.Top + row, spans);
  }
  return builder.finish();
}

Region erode(const Region& region, int width) {
  Region inner = region;
  for (int layer = 0; layer < width && !inner.empty(); ++layer) {
    Region shifted = inner;
    Region next = inner;
    const int moves[4][2] = {{1, 0}, {-2, 0}, {1, 1}, {0, -2}};  // right, left, down, up from the start
    for (const auto& move : moves) {
      shifted.offset(move[0], move[1]);
      next = Region::combine(next, shifted, RGN_AND);
    }
    inner = std::move(next);
  }
  return inner;
}

}  // namespace ShapeScan
