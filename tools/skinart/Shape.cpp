#include "tools/skinart/Shape.h"

#include <algorithm>
#include <cmath>

Shape Shape::roundRect(double left, double top, double right, double bottom, double tl, double tr, double br,
                       double bl) {
  auto inside = [=](double x, double y) {
    // Inside the box; near a rounded corner also inside that corner's circle.
    auto outsideCorner = [&](double cx, double cy, double r, bool leftSide, bool topSide) {
      if (r <= 0) return false;
      bool inCornerBox = (leftSide ? x < cx : x > cx) && (topSide ? y < cy : y > cy);
      if (!inCornerBox) return false;
      double dx = x - cx, dy = y - cy;
      return dx * dx + dy * dy > r * r;
    };
    return !outsideCorner(left + tl, top + tl, tl, true, true) && !outsideCorner(right - tr, top + tr, tr, false, true) &&
           !outsideCorner(right - br, bottom - br, br, false, false) &&
           !outsideCorner(left + bl, bottom - bl, bl, true, false);
  };
  return Shape(inside, left, top, right, bottom);
}

Shape Shape::ellipse(double cx, double cy, double rx, double ry) {
  auto inside = [=](double x, double y) {
    double dx = (x - cx) / rx, dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
  };
  return Shape(inside, cx - rx, cy - ry, cx + rx, cy + ry);
}

Shape Shape::leaf(double cx, double cy, double rx, double ry, double angle) {
  const double c = std::cos(angle), s = std::sin(angle);
  auto inside = [=](double x, double y) {
    const double dx = x - cx, dy = y - cy;
    const double u = (dx * c + dy * s) / rx;
    const double v = (-dx * s + dy * c) / ry;
    return std::abs(u) <= 1.0 && std::abs(v) <= 1.0 - u * u;
  };
  const double reach = std::max(rx, ry);
  return Shape(inside, cx - reach, cy - reach, cx + reach, cy + reach);
}

Shape Shape::segment(ArtPoint a, ArtPoint b, double halfWidth) {
  auto inside = [=](double x, double y) {
    double vx = b.x - a.x, vy = b.y - a.y;
    double len2 = vx * vx + vy * vy;
    double t = len2 > 0 ? std::clamp(((x - a.x) * vx + (y - a.y) * vy) / len2, 0.0, 1.0) : 0.0;
    double dx = x - (a.x + t * vx), dy = y - (a.y + t * vy);
    return dx * dx + dy * dy <= halfWidth * halfWidth;
  };
  return Shape(inside, std::min(a.x, b.x) - halfWidth, std::min(a.y, b.y) - halfWidth,
               std::max(a.x, b.x) + halfWidth, std::max(a.y, b.y) + halfWidth);
}

Shape Shape::polygon(std::vector<ArtPoint> points) {
  double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
  for (const ArtPoint& p : points) {
    left = std::min(left, p.x);
    top = std::min(top, p.y);
    right = std::max(right, p.x);
    bottom = std::max(bottom, p.y);
  }
  auto inside = [pts = std::move(points)](double x, double y) {
    bool in = false;
    for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
      const ArtPoint& p = pts[i];
      const ArtPoint& q = pts[j];
      if ((p.y > y) != (q.y > y) && x < (q.x - p.x) * (y - p.y) / (q.y - p.y) + p.x) in = !in;
    }
    return in;
  };
  return Shape(inside, left, top, right, bottom);
}

Shape Shape::minus(const Shape& other) const {
  Shape self = *this;
  return Shape([self, other](double x, double y) { return self.contains(x, y) && !other.contains(x, y); }, left_,
               top_, right_, bottom_);
}

Shape Shape::unite(const Shape& other) const {
  Shape self = *this;
  return Shape([self, other](double x, double y) { return self.contains(x, y) || other.contains(x, y); },
               std::min(left_, other.left_), std::min(top_, other.top_), std::max(right_, other.right_),
               std::max(bottom_, other.bottom_));
}

Shape Shape::intersect(const Shape& other) const {
  Shape self = *this;
  return Shape([self, other](double x, double y) { return self.contains(x, y) && other.contains(x, y); },
               std::max(left_, other.left_), std::max(top_, other.top_), std::min(right_, other.right_),
               std::min(bottom_, other.bottom_));
}

Shape Shape::rows(double top, double bottom) const {
  return intersect(Shape([](double, double) { return true; }, left_, top, right_, bottom));
}

double Shape::coverage(int px, int py) const {
  if (px + 1 <= left_ || px >= right_ || py + 1 <= top_ || py >= bottom_) return 0.0;
  int hits = 0;
  for (int sy = 0; sy < 4; ++sy)
    for (int sx = 0; sx < 4; ++sx)
      if (contains(px + (sx + 0.5) / 4.0, py + (sy + 0.5) / 4.0)) ++hits;
  return hits / 16.0;
}
