#include "tools/skinart/DecorationArt.h"

#include <cmath>
#include <vector>

#include "tools/skinart/BirchPalette.h"
#include "tools/skinart/FrameArt.h"

namespace DecorationArt {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Leaf {
  double x, y, length, angle;
};

void paintLeaf(ArtLayer& layer, const Leaf& leaf, double opacity) {
  const double rx = leaf.length / 2, ry = leaf.length * 0.2;
  const double cx = leaf.x + std::cos(leaf.angle) * rx, cy = leaf.y + std::sin(leaf.angle) * rx;
  layer.paint(Shape::leaf(cx, cy, rx, ry, leaf.angle), verticalGradient(Birch::kLeaf, Birch::kLeafDark, cy - ry, cy + ry),
              opacity);
  // The midrib, a little lighter than the blade.
  const ArtPoint tip{leaf.x + std::cos(leaf.angle) * leaf.length * 0.9, leaf.y + std::sin(leaf.angle) * leaf.length * 0.9};
  layer.paint(Shape::segment({leaf.x, leaf.y}, tip, 0.35), mix(Birch::kLeaf, Birch::kWhite, 0.45), opacity * 0.8);
}

// A drooping catkin: small scales along a curve that bends as it hangs,
// thickest a little below its stalk.
void paintCatkin(ArtLayer& layer, double x, double y, double length, double angle, double opacity) {
  const Rgb catkin{184, 164, 112};
  const Rgb shade{150, 128, 82};
  double px = x, py = y, a = angle;
  for (double d = 0; d < length; d += 1.6) {
    const double t = d / length;
    const double r = 1.7 * std::sin(kPi * std::min(1.0, 0.25 + t * 0.9)) + 0.4;
    const bool scale = static_cast<int>(d / 1.6) % 2 == 0;
    layer.paint(Shape::ellipse(px, py, r, r), scale ? catkin : shade, opacity);
    px += std::cos(a) * 1.6;
    py += std::sin(a) * 1.6;
    a += 0.03;
  }
}

// A twig as a chain of segments getting thinner toward its end.
void paintTwig(ArtLayer& layer, const std::vector<ArtPoint>& points, double startWidth, double endWidth, double opacity) {
  const Rgb bark{112, 104, 94};
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    const double t = static_cast<double>(i) / (points.size() - 1);
    const double w = startWidth + (endWidth - startWidth) * t;
    layer.paint(Shape::segment(points[i], points[i + 1], w / 2), bark, opacity);
  }
}

}  // namespace

Bitmap titleDecoration() {
  const int w = kDecorationWidth, h = kDecorationHeight / 2;
  ArtLayer layer(w, h);

  // The twig runs along the top edge above the caption and drops a few
  // leaves and catkins into the corner below the title bar. Everything stays
  // in the left third: the engine takes a third of an own bitmap's width as
  // the frame of a corner image.
  paintTwig(layer, {{-4, 3}, {30, 7}, {62, 9}, {95, 8}, {122, 5}, {140, 2}}, 2.6, 0.8, 0.75);
  paintTwig(layer, {{28, 7}, {38, 16}, {44, 25}}, 1.6, 0.8, 0.75);
  paintTwig(layer, {{80, 9}, {90, 14}, {102, 16}}, 1.4, 0.7, 0.75);

  const std::vector<Leaf> leaves = {
      {10, 5, 12, 0.95}, {22, 6, 11, -0.55}, {44, 25, 12, 1.25}, {40, 17, 10, 0.2},  {58, 9, 11, -0.35},
      {68, 9, 12, 0.75}, {102, 16, 11, 0.3}, {90, 14, 10, 1.4},  {112, 6, 9, -0.45}, {126, 4, 8, 0.5},
  };
  for (const Leaf& leaf : leaves) paintLeaf(layer, leaf, 0.85);
  paintCatkin(layer, 34, 9, 12, 1.25, 0.8);
  paintCatkin(layer, 52, 9, 10, 1.45, 0.8);
  paintCatkin(layer, 76, 9, 9, 1.15, 0.8);

  // Faint leaves drifting down the corner of the window.
  const std::vector<Leaf> drifting = {{18, 52, 22, 0.9}, {64, 74, 18, 2.3}, {30, 110, 20, 0.4}, {96, 46, 16, 1.9}};
  for (const Leaf& leaf : drifting) paintLeaf(layer, leaf, 0.5);

  // Full strength in the title bar, then a quick fade: the client area of a
  // window only carries a watermark.
  layer.scaleAlpha([](double x, double y) {
    const double vertical = y < 26 ? 0.55 : y < 60 ? 0.55 - (y - 26) / 34 * 0.43 : std::max(0.0, 0.12 - (y - 60) / 120 * 0.12);
    const double horizontal = x < 100 ? 1.0 : std::max(0.0, 1.0 - (x - 100) / 42);
    return vertical * horizontal;
  });

  Bitmap out(w, h * 2);
  layer.writeMasked(out, 0, 0, Birch::kTitleTop);
  return out;
}

Bitmap hugeButton() {
  const int frame = kHugeButtonWidth / 3;
  FrameStyle normal;
  normal.width = normal.height = frame;
  normal.radius = {10, 10, 10, 10};
  normal.outline = Birch::kBark;
  normal.outlineWidth = 1.5;
  normal.highlightOpacity = 0.85;
  FrameStyle hot = normal;
  hot.outline = Birch::kAccent;
  hot.innerLine = Birch::kAccent;
  hot.innerLineOpacity = 0.25;
  FrameStyle pressed = normal;
  pressed.outline = Birch::kAccentDark;
  pressed.highlightOpacity = 0;
  pressed.shadeOpacity = 0.2;
  return joinMasked({drawFrame(normal), drawFrame(hot), drawFrame(pressed)}, Birch::kFace);
}

}  // namespace DecorationArt
