#include "platform/graphics/GlyphPainter.h"

#include <algorithm>

#include "platform/graphics/RasterOps.h"

namespace GlyphPainter {

namespace {

int nextTabStop(int x, const TabStops& tabs) {
  const int offset = x - tabs.origin;
  return tabs.origin + (offset / tabs.width + 1) * tabs.width;
}

// Surface pixels to target pixels. The limits far beyond any bitmap that
// callers pass for "no limit" stay within an int.
TRect toTargetPixels(const TRect& r, int n) {
  if (n == 1) return r;
  static constexpr int kFar = 1 << 28;
  auto scale = [n](int v) { return std::clamp(v, -kFar, kFar) * n; };
  return {scale(r.Left), scale(r.Top), scale(r.Right), scale(r.Bottom)};
}

}  // namespace

int measure(Font& font, std::span<const char32_t> text, int tabWidth) {
  const TabStops tabs{tabWidth, 0};
  int x = 0;
  for (char32_t cp : text) x = cp == U'\t' && tabs.width > 0 ? nextTabStop(x, tabs) : x + font.glyph(cp).advance;
  return x;
}

int draw(DeviceContext& dc, Font& font, std::span<const char32_t> text, int x, int y, TColor rgb, const TRect& limit,
         TabStops tabs) {
  const int n = dc.scale();
  Font& ink = font.atScale(n);
  const Region& clip = dc.clipInTarget();
  const TRect reach = Intersect(toTargetPixels(limit, n), clip.box());
  Bitmap& target = dc.target();
  const int baseline = (y + font.metrics().ascent) * n;
  for (char32_t cp : text) {
    if (cp == U'\t' && tabs.width > 0) {
      x = nextTabStop(x, tabs);
      continue;
    }
    const Glyph& g = ink.glyph(cp);
    if (g.width > 0) {
      const int left = x * n + g.left;
      const TRect cell{left, baseline - g.top, left + g.width, baseline - g.top + g.height};
      clip.forEachRectIn(Intersect(cell, reach), [&](const TRect& r) {
        const std::uint8_t* coverage = g.coverage.data() + (r.Top - cell.Top) * g.width + (r.Left - cell.Left);
        RasterOps::blendCoverage(target, r, coverage, g.width, rgb);
      });
    }
    x += n == 1 ? g.advance : font.glyph(cp).advance;
  }
  return x;
}

void fillLimited(DeviceContext& dc, const TRect& rect, const TRect& limit, TColor rgb) {
  Bitmap& target = dc.target();
  const int n = dc.scale();
  dc.clipInTarget().forEachRectIn(toTargetPixels(Intersect(rect, limit), n),
                                  [&](const TRect& r) { RasterOps::fill(target, r, rgb); });
}

}  // namespace GlyphPainter
