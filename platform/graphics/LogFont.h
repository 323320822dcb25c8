#pragma once
// What a font is asked for: face name, height, weight, italic, underline.
//
// Height follows the classic rule: negative is the character height in
// pixels (the em size; -11 is the program's 11-pixel font), positive is the
// cell height (ascent + descent), 0 means the default 11 pixels.
#include <string>

enum FontWeight : int { FW_DONTCARE = 0, FW_NORMAL = 400, FW_BOLD = 700 };

struct LogFont {
  int lfHeight = -11;
  int lfWeight = FW_NORMAL;
  bool lfItalic = false;
  bool lfUnderline = false;
  bool lfStrikeOut = false;
  std::string lfFaceName = "MS Sans Serif";

  bool bold() const { return lfWeight >= 600; }
  friend bool operator==(const LogFont&, const LogFont&) = default;
};
