#include "tools/skinart/FrameArt.h"

#include <algorithm>

namespace {

// Rows that may differ from the rows below them; border masks drawn with
// these frames keep their top width at least this large.
constexpr double kTopRows = 4;

Shape outer(const FrameStyle& s, double inset) {
  auto r = [&](int i) { return std::max(0.0, s.radius[i] - inset); };
  return Shape::roundRect(inset, inset, s.width - inset, s.height - inset, r(0), r(1), r(2), r(3));
}

void fillKeyColor(Bitmap& bitmap) {
  for (int y = 0; y < bitmap.height(); ++y) {
    std::uint8_t* p = bitmap.row(y);
    for (int x = 0; x < bitmap.width(); ++x, p += 3) {
      p[0] = 255;
      p[1] = 0;
      p[2] = 255;
    }
  }
}

}  // namespace

ArtLayer drawFrame(const FrameStyle& s) {
  ArtLayer layer(s.width, s.height);
  const Shape body = outer(s, 0);
  const Shape inside = outer(s, s.outlineWidth);
  layer.addBody(body);
  if (s.fill) {
    Rgb bottom = s.fillBottom.value_or(*s.fill);
    layer.paint(inside, verticalGradient(*s.fill, bottom, s.outlineWidth, s.height - s.outlineWidth));
  }
  if (s.innerLine && s.innerLineOpacity > 0)
    layer.paint(inside.minus(outer(s, s.outlineWidth + 1)), *s.innerLine, s.innerLineOpacity);
  if (s.highlightOpacity > 0) {
    // The light catches the upper inner edge and the top of the sides. It
    // stays within the first kTopRows rows, inside the top corners and edge
    // of every border mask: the side edges are tiled and must not vary.
    const Shape ring = inside.minus(outer(s, s.outlineWidth + 1));
    layer.paint(ring.rows(0, s.outlineWidth + 1), Rgb{255, 255, 255}, s.highlightOpacity);
    layer.paint(ring.rows(s.outlineWidth + 1, kTopRows), Rgb{255, 255, 255}, s.highlightOpacity * 0.4);
  }
  if (s.shadeOpacity > 0) {
    // Three rows, all above kTopRows.
    const double top = s.outlineWidth;
    layer.paint(inside.rows(top, top + 1), Rgb{0, 0, 0}, s.shadeOpacity);
    layer.paint(inside.rows(top + 1, top + 2), Rgb{0, 0, 0}, s.shadeOpacity * 0.55);
    layer.paint(inside.rows(top + 2, top + 3), Rgb{0, 0, 0}, s.shadeOpacity * 0.25);
  }
  layer.paint(body.minus(inside), s.outline, s.outlineOpacity);
  return layer;
}

Bitmap joinMasked(const std::vector<ArtLayer>& frames, Rgb insideColor) {
  if (frames.empty()) return {};
  const int w = frames[0].width(), h = frames[0].height();
  Bitmap out(w * static_cast<int>(frames.size()), h * 2);
  fillKeyColor(out);
  for (std::size_t i = 0; i < frames.size(); ++i) frames[i].writeMasked(out, static_cast<int>(i) * w, 0, insideColor);
  return out;
}

Bitmap joinPlain(const std::vector<ArtLayer>& frames, Rgb parent, Rgb inside) {
  if (frames.empty()) return {};
  const int w = frames[0].width(), h = frames[0].height();
  Bitmap out(w * static_cast<int>(frames.size()), h);
  fillKeyColor(out);
  for (std::size_t i = 0; i < frames.size(); ++i) frames[i].writePlain(out, static_cast<int>(i) * w, 0, parent, inside);
  return out;
}
