#pragma once
// Where the caption and the glyph of the skinned buttons go. Pure
// arithmetic on sizes, so the placement can be checked without fonts.
#include "framework/controls/TBitBtn.h"
#include "framework/controls/TLabel.h"
#include "platform/Geometry.h"

// The push button's caption rectangle: the measured text centred, one pixel
// wider on the left and two on the right so that a wrapped line is never
// cut by rounding; one pixel right and down while pressed.
TRect CenteredCaptionRect(TSize button, TSize text, bool pressed);

// The inputs of the bitmap button's glyph and caption placement.
struct TsGlyphLayoutInput {
  TSize Button;
  TSize Glyph;    // 0 x 0 without a glyph
  TSize Text;     // the measured caption, 0 x 0 without one
  TButtonLayout Layout = blGlyphLeft;
  TAlignment Alignment = taCenter;
  int Margin = -1;
  int Spacing = 4;  // counts only with a glyph and a caption
  bool Pressed = false;
};

// The bitmap button's glyph rectangle.
TRect BitBtnGlyphRect(const TsGlyphLayoutInput& in);
// The bitmap button's caption rectangle beside (or under) its glyph.
TRect BitBtnCaptionRect(const TsGlyphLayoutInput& in);

// The speed button's caption rectangle for a caption without glyph;
// arrowWidth is the drop-down strip (16 or 0).
TRect SpeedButtonCaptionRect(TSize button, TSize text, int arrowWidth, int margin, int textOffset, bool pressed);
