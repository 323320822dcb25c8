#pragma once
// The image-entry notations of the skin options file that cut a rectangle
// out of the master bitmap, and the parameter words of the "!" notation.
// Numbers are read strictly: a malformed field throws ESkinLoadError.
//
//   "@LLLL@TTTT@RRRR@BBBB@I@M"                      glyph
//   "^LLLL^TTTT^RRRR^BBBB^WL^WT^WR^WB^I^M^S^W"      border (widths 4 digits)
//   "~LLLL~TTTT~RRRR~BBBB~SS~M"                     texture (M optional)
//   "#... (L,T,R,B) (I,M,W,S)"                      older notation
//   "!FILE.BMP!I!M!T[!WL!WT!WR!WB]"                 own bitmap
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "paint/SkinRecords.h"

class TacMaskNotation {
 public:
  static TsMaskData ParseGlyph(std::string_view value);
  static TsMaskData ParseBorder(std::string_view value);
  static TsMaskData ParseTexture(std::string_view value);
  static TsMaskData ParseOldNotation(std::string_view value);

  // Border widths of an entry whose four widths are all 0: BorderWidth when
  // it is not 0, else a third of one frame of R.
  static void ApplyDefaultWidths(TsMaskData& mask);

  // The words of a "!" entry after its file name.
  struct OwnBitmapEntry {
    std::string FileName;  // word 1 as written
    std::int16_t ImageCount = 0;
    std::int16_t MaskType = 0;
    TacImgType ImgType = itisaBorder;
    bool HasWidths = false;  // words 5 to 8 present
    std::int16_t WL = 0, WT = 0, WR = 0, WB = 0;
  };
  // Word 1 of a "!" entry, or empty when it names no ".BMP" file (the
  // entry is then skipped).
  static std::string OwnBitmapFileName(std::string_view value);
  // The numeric words; throws on a malformed number. An image type other
  // than 0, 1 or 2 answers nothing: such an entry is rejected.
  static std::optional<OwnBitmapEntry> ParseOwnBitmap(std::string_view value);
};
