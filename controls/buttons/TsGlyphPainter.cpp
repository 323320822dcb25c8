#include "controls/buttons/TsGlyphPainter.h"

#include <algorithm>

#include "paint/primitives/BitmapFilters.h"
#include "paint/primitives/BlendPrimitives.h"

int GlyphCellIndex(const TsGlyphLook& look) {
  const int n = look.Cells;
  int cell = 0;
  if (!look.Enabled) cell = 1;
  else if (look.State == 1) cell = n >= 5 ? 4 : 0;
  else if (look.State == 2) cell = look.Down && n > 3 ? 3 : n >= 3 ? 2 : 0;
  return cell < n ? cell : 0;
}

void DrawGlyph(Bitmap& cache, const Bitmap& glyph, TPoint at, const TsGlyphLook& look) {
  const int cells = std::max(1, look.Cells);
  const int w = glyph.width() / cells, h = glyph.height();
  if (w <= 0 || h <= 0) return;
  if (look.FromGlyphBitmap && cells == 1 && look.Blend == 0 && glyph.format() == PixelFormat::Bgrx32) {
    AlphaBlendOnto(cache, at, glyph);
    return;
  }
  const int cell = GlyphCellIndex(look);
  Bitmap part(w, h, PixelFormat::Bgr24);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) part.setPixel(x, y, glyph.pixel(cell * w + x, y));
  const TColor key = part.pixel(0, h - 1);
  const TRect whole = Rect(0, 0, w - 1, h - 1);
  double keep = 0.0;  // the share the background keeps
  if (cells == 1 && !look.Enabled) {
    if (look.DisabledKind & dgGrayed) GrayScaleTrans(part, key);
    if (look.DisabledKind & dgBlended) keep = 0.5;
  } else if (cells == 1 && look.State != 1) {
    if (look.Grayed) GrayScaleTrans(part, key);
    if (look.Blend >= 1) keep = std::min(look.Blend, 100) / 100.0;
  }
  BlendTransRect(cache, at, key, keep, whole, part);
}
