#pragma once
// A filled region of the plane for the skin artwork: an inside test plus a
// bounding box so that painting only samples pixels the region can touch.
// Coordinates are in pixels; the pixel (x, y) covers [x, x+1) x [y, y+1).
#include <functional>
#include <utility>
#include <vector>

struct ArtPoint {
  double x = 0;
  double y = 0;
};

class Shape {
 public:
  using InsideTest = std::function<bool(double x, double y)>;

  Shape() = default;
  Shape(InsideTest inside, double left, double top, double right, double bottom)
      : inside_(std::move(inside)), left_(left), top_(top), right_(right), bottom_(bottom) {}

  // Rectangle with each corner rounded by its own radius (top-left, top-right,
  // bottom-right, bottom-left); a radius of 0 keeps the corner square.
  static Shape roundRect(double left, double top, double right, double bottom, double tl, double tr, double br,
                         double bl);
  static Shape roundRect(double left, double top, double right, double bottom, double radius) {
    return roundRect(left, top, right, bottom, radius, radius, radius, radius);
  }
  static Shape ellipse(double cx, double cy, double rx, double ry);
  // A leaf: a lens with pointed tips, half length rx and half width ry, its
  // long axis turned by angle (radians, clockwise on screen).
  static Shape leaf(double cx, double cy, double rx, double ry, double angle);
  // Every point no further than halfWidth from the segment a-b (round caps).
  static Shape segment(ArtPoint a, ArtPoint b, double halfWidth);
  // Convex or concave polygon by the even-odd rule.
  static Shape polygon(std::vector<ArtPoint> points);

  // Points of this shape that are not in the other one (outlines, cut-outs).
  Shape minus(const Shape& other) const;
  Shape unite(const Shape& other) const;
  Shape intersect(const Shape& other) const;
  // The part of this shape inside the band top <= y < bottom.
  Shape rows(double top, double bottom) const;

  bool contains(double x, double y) const {
    return x >= left_ && x < right_ && y >= top_ && y < bottom_ && inside_(x, y);
  }
  // Share of the pixel (px, py) inside the shape, from 4 x 4 samples.
  double coverage(int px, int py) const;

  double left() const { return left_; }
  double top() const { return top_; }
  double right() const { return right_; }
  double bottom() const { return bottom_; }

 private:
  InsideTest inside_ = [](double, double) { return false; };
  double left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
};
