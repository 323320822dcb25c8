#pragma once
// The picture a plain glyph button shows. Its glyph holds `numGlyphs`
// pictures side by side; the second is the disabled one when there is one.
#include "framework/graphics/TBitmap.h"

// Copies the cell for the button's state into `cell`, drawn transparent in
// the glyph's transparent colour; answers the cell's width.
int TakeGlyphCell(TBitmap& glyph, int numGlyphs, bool enabled, TBitmap& cell);
