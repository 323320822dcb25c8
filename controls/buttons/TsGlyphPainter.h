#pragma once
// Drawing one glyph of a skinned bitmap or speed button into its cache: the
// cell a state shows, the transparent colour of its bottom-left pixel, the
// blend with the background while not hot, and the grey or faded look of a
// disabled button.
#include "controls/buttons/SkinnedButtonProperties.h"
#include "platform/Bitmap.h"
#include "platform/Geometry.h"

struct TsGlyphLook {
  int Cells = 1;         // NumGlyphs
  bool Enabled = true;
  int State = 0;         // 0 normal, 1 hot, 2 pressed
  bool Down = false;
  int Blend = 0;         // percent
  TsDisabledGlyphKind DisabledKind = dgBlended;
  bool Grayed = false;   // an enabled single picture shown grey while not hot
  // The glyph is a Glyph bitmap (not an image-list picture): a 32-bit one
  // with a single cell and no Blend is drawn with its alpha channel.
  bool FromGlyphBitmap = false;
};

// The cell of a glyph strip a button in the given look shows.
int GlyphCellIndex(const TsGlyphLook& look);

// Draws the chosen cell of `glyph` (a strip of look.Cells cells) at `at`.
void DrawGlyph(Bitmap& cache, const Bitmap& glyph, TPoint at, const TsGlyphLook& look);
