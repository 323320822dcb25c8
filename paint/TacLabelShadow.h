#pragma once
// A label's text over its soft shadow. The text is written white on black
// into a 32-bit picture of the label's size, displaced by the shadow's
// distance; a coverage buffer marks the text pixels and is blurred pass by
// pass; the shadow colour is then laid by coverage over what lies under the
// label (or over its own colour when it is opaque), the picture goes to the
// label's surface and the text is written on top in its own colour.
//
// The picture and the buffer belong to the label and are kept between
// paints, so a label repainted at the same size allocates nothing.
#include <optional>
#include <string_view>

#include "paint/TacCoverageBuffer.h"
#include "paint/TacShadowMargins.h"
#include "platform/Bitmap.h"
#include "platform/Geometry.h"
#include "platform/graphics/DeviceContext.h"

struct TacShadowSettings {
  TColor Color = clBlack;
  int BlurCount = 4;
  int Distance = 1;
};

class TacLabelShadow {
 public:
  // Draws `text` with its shadow onto dc in the font selected there. `rect`
  // is the label's text rectangle; the picture covers (0, 0) to its width
  // and height and lands on dc at (0, 0). The text is laid out in `rect`
  // less the margins, by `format` (DrawText flags). A transparent label
  // passes no background: the shadow then lies over what dc already shows.
  void Paint(HDC dc, std::string_view text, const TRect& rect, unsigned format, const TacShadowMargins& margins,
             const TacShadowSettings& shadow, std::optional<TColor> opaqueBackground, TColor textColor);

  // The 32-bit shadow picture as the last paint left it (empty before).
  const Bitmap& Picture() const { return picture_; }
  const TacCoverageBuffer& Coverage() const { return coverage_; }

 private:
  // The picture at the label's size, black.
  void PreparePicture(int width, int height);

  Bitmap picture_{0, 0, PixelFormat::Bgrx32};
  TacCoverageBuffer coverage_;
};
