#pragma once
// One image of the master bitmap before it has a place: its pixels (state
// frames side by side, the mask half below when it has one), what kind of
// entry the options file makes of it, and the rectangle it must occupy when
// the options file pins it.
#include <optional>
#include <string>

#include "platform/Bitmap.h"
#include "platform/Geometry.h"
#include "tools/skinart/MaskNotation.h"

struct MasterPiece {
  enum class Kind { Border, Glyph, Texture };

  std::string key;  // "SECTION.KEY", the name the options source uses
  Kind kind = Kind::Border;
  Bitmap pixels;
  int imageCount = 1;
  int maskType = 0;
  int stretchMode = 0;  // border: flags; texture: fill mode
  int borderWidth = 0;
  MaskNotation::BorderWidths widths;
  std::optional<TRect> pinned;

  // The options-file value for the piece placed at r.
  std::string notation(const TRect& r) const;
};
