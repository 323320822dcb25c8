#include "tools/skinart/MasterPiece.h"

std::string MasterPiece::notation(const TRect& r) const {
  switch (kind) {
    case Kind::Border:
      return MaskNotation::border(r, widths, imageCount, maskType, stretchMode, borderWidth);
    case Kind::Glyph:
      return MaskNotation::glyph(r, imageCount, maskType);
    case Kind::Texture:
      return MaskNotation::texture(r, stretchMode, maskType);
  }
  return {};
}
