#include "platform/graphics/GlyphPainter.h"

#include "platform/graphics/RasterOps.h"

namespace GlyphPainter {

namespace {

int nextTabStop(int x, const TabStops& tabs) {
  const int offset = x - tabs.origin;
  return tabs.origin + (offset / tabs.width + 1) * tabs.width;
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
  const Region& clip = dc.clipInTarget();
  const TRect reach = Intersect(limit, clip.box());
  Bitmap& target = dc.target();
  const int baseline = y + font.metrics().ascent;
  for (char32_t cp : text) {
    if (cp == U'\t' && tabs.width > 0) {
      x = nextTabStop(x, tabs);
      continue;
    }
    const Glyph& g = font.glyph(cp);
    if (g.width > 0) {
      const TRect cell{x + g.left, baseline - g.top, x + g.left + g.width, baseline - g.top + g.height};
      clip.forEachRectIn(Intersect(cell, reach), [&](const TRect& r) {
        const std::uint8_t* coverage = g.coverage.data() + (r.Top - cell.Top) * g.width + (r.Left - cell.Left);
        RasterOps::blendCoverage(target, r, coverage, g.width, rgb);
      });
    }
    x += g.advance;
  }
  return x;
}

void fillLimited(DeviceContext& dc, const TRect& rect, const TRect& limit, TColor rgb) {
  Bitmap& target = dc.target();
  dc.clipInTarget().forEachRectIn(Intersect(rect, limit), [&](const TRect& r) { RasterOps::fill(target, r, rgb); });
}

}  // namespace GlyphPainter
