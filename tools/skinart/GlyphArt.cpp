#include "tools/skinart/GlyphArt.h"

namespace GlyphArt {

void cross(ArtLayer& layer, double cx, double cy, double size, double stroke, Rgb color) {
  const double h = size / 2;
  const double w = stroke / 2;
  layer.paint(Shape::segment({cx - h, cy - h}, {cx + h, cy + h}, w).unite(Shape::segment({cx - h, cy + h}, {cx + h, cy - h}, w)),
              color);
}

void maximize(ArtLayer& layer, double cx, double cy, double size, Rgb color) {
  const double h = size / 2;
  const Shape box = Shape::roundRect(cx - h, cy - h, cx + h, cy + h, 1.2);
  // A heavier top edge reads as a window's title bar.
  layer.paint(box.minus(Shape::roundRect(cx - h + 1, cy - h + 2, cx + h - 1, cy + h - 1, 0.5)), color);
}

void restore(ArtLayer& layer, double cx, double cy, double size, Rgb color) {
  const double s = size * 0.78;
  const double d = size - s;
  const double x0 = cx - size / 2, y0 = cy - size / 2;
  const Shape front = Shape::roundRect(x0, y0 + d, x0 + s, y0 + d + s, 1.0);
  const Shape back = Shape::roundRect(x0 + d, y0, x0 + d + s, y0 + s, 1.0);
  layer.paint(back.minus(Shape::roundRect(x0 + d + 1, y0 + 1, x0 + d + s - 1, y0 + s - 1, 0.5)).minus(front), color);
  layer.paint(front.minus(Shape::roundRect(x0 + 1, y0 + d + 2, x0 + s - 1, y0 + d + s - 1, 0.5)), color);
}

void minimize(ArtLayer& layer, double cx, double cy, double size, Rgb color) {
  const double h = size / 2;
  layer.paint(Shape::roundRect(cx - h, cy + h - 2, cx + h, cy + h, 0.8), color);
}

void arrow(ArtLayer& layer, double cx, double cy, double size, Direction d, Rgb color) {
  const double h = size / 2;
  const double depth = size * 0.55;
  std::vector<ArtPoint> p;
  switch (d) {
    case Direction::Up:
      p = {{cx - h, cy + depth / 2}, {cx + h, cy + depth / 2}, {cx, cy - depth / 2}};
      break;
    case Direction::Down:
      p = {{cx - h, cy - depth / 2}, {cx + h, cy - depth / 2}, {cx, cy + depth / 2}};
      break;
    case Direction::Left:
      p = {{cx + depth / 2, cy - h}, {cx + depth / 2, cy + h}, {cx - depth / 2, cy}};
      break;
    case Direction::Right:
      p = {{cx - depth / 2, cy - h}, {cx - depth / 2, cy + h}, {cx + depth / 2, cy}};
      break;
  }
  layer.paint(Shape::polygon(p), color);
}

void chevron(ArtLayer& layer, double cx, double cy, double size, double stroke, Rgb color) {
  const double h = size / 2;
  const double w = stroke / 2;
  const double drop = size * 0.28;
  layer.paint(Shape::segment({cx - h, cy - drop}, {cx, cy + drop}, w).unite(Shape::segment({cx, cy + drop}, {cx + h, cy - drop}, w)),
              color);
}

void checkMark(ArtLayer& layer, double cx, double cy, double size, double stroke, Rgb color) {
  const double h = size / 2;
  const double w = stroke / 2;
  const ArtPoint a{cx - h, cy};
  const ArtPoint b{cx - h * 0.25, cy + h * 0.7};
  const ArtPoint c{cx + h, cy - h * 0.75};
  layer.paint(Shape::segment(a, b, w).unite(Shape::segment(b, c, w)), color);
}

void gripLines(ArtLayer& layer, double cx, double cy, double length, bool vertical, Rgb color) {
  const double h = length / 2;
  for (int i = -1; i <= 1; ++i) {
    const double o = i * 2.0;
    if (vertical)
      layer.paint(Shape::roundRect(cx + o - 0.5, cy - h, cx + o + 0.5, cy + h, 0), color);
    else
      layer.paint(Shape::roundRect(cx - h, cy + o - 0.5, cx + h, cy + o + 0.5, 0), color);
  }
}

}  // namespace GlyphArt
