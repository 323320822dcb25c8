#include "framework/controls/GlyphCell.h"

int TakeGlyphCell(TBitmap& glyph, int numGlyphs, bool enabled, TBitmap& cell) {
  const int width = glyph.Width() / numGlyphs;
  const int index = !enabled && numGlyphs > 1 ? 1 : 0;
  cell.SetSize(width, glyph.Height());
  cell.Canvas().CopyRect(Rect(0, 0, width, glyph.Height()), glyph.Canvas(), Bounds(index * width, 0, width, glyph.Height()));
  cell.SetTransparent(true);
  cell.SetTransparentColor(glyph.TransparentColor());
  return width;
}
