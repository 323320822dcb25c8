#pragma once
// Text through a drawing context: fonts, measuring, TextOut and DrawText.
// Strings are UTF-8. Glyphs are grey-scale anti-aliased and blended in the
// text colour; in OPAQUE background mode the text cells are first filled with
// the background colour. Everything honours the context's clip.
#include <string_view>

#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/LogFont.h"

// Resolves the face through fontconfig. "MS Sans Serif", "Tahoma", "Arial"
// and faces not installed become "DejaVu Sans" (a sans face with Cyrillic).
// Equal requests share one font. Null only when no usable font exists at all.
HFONT CreateFontIndirect(const LogFont& font);
// The classic fourteen-argument form; width, angles, character set and the
// precision, quality and pitch hints are accepted and not used.
HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, bool italic, bool underline,
                 bool strikeOut, int charSet, int outPrecision, int clipPrecision, int quality, int pitchAndFamily,
                 std::string_view faceName);

struct TEXTMETRIC {
  int tmHeight = 0;
  int tmAscent = 0;
  int tmDescent = 0;
  int tmInternalLeading = 0;
  int tmExternalLeading = 0;
  int tmAveCharWidth = 0;
  int tmMaxCharWidth = 0;
  int tmWeight = 0;
  bool tmItalic = false;
  bool tmUnderlined = false;
};
bool GetTextMetrics(HDC dc, TEXTMETRIC* metrics);
// Width of the string and the font's line height.
bool GetTextExtentPoint32(HDC dc, std::string_view utf8, TSize* size);
// Draws one line with the top-left corner of its first cell at (x, y).
bool TextOut(HDC dc, int x, int y, std::string_view utf8);

// DrawText format flags (the classic values).
enum DrawTextFlags : unsigned {
  DT_TOP = 0x0,
  DT_LEFT = 0x0,
  DT_CENTER = 0x1,
  DT_RIGHT = 0x2,
  DT_VCENTER = 0x4,        // with DT_SINGLELINE only
  DT_BOTTOM = 0x8,         // with DT_SINGLELINE only
  DT_WORDBREAK = 0x10,
  DT_SINGLELINE = 0x20,
  DT_EXPANDTABS = 0x40,    // tab stops every 8 average character widths
  DT_TABSTOP = 0x80,
  DT_NOCLIP = 0x100,
  DT_EXTERNALLEADING = 0x200,
  DT_CALCRECT = 0x400,
  DT_NOPREFIX = 0x800,
  DT_INTERNAL = 0x1000,
  DT_EDITCONTROL = 0x2000,
  DT_PATH_ELLIPSIS = 0x4000,   // drawn as DT_END_ELLIPSIS
  DT_END_ELLIPSIS = 0x8000,
  DT_MODIFYSTRING = 0x10000,   // ignored: the string is never modified
  DT_RTLREADING = 0x20000,     // accepted; text is laid out left to right
  DT_WORD_ELLIPSIS = 0x40000,  // drawn as DT_END_ELLIPSIS
  DT_NOFULLWIDTHCHARBREAK = 0x80000,
  DT_HIDEPREFIX = 0x100000,    // "&" processed but nothing underlined
  DT_PREFIXONLY = 0x200000,
};

// Lays the text out in rect by the flags and draws it (clipped to rect
// unless DT_NOCLIP). Lines break at "\r\n", "\n" and "\r" unless
// DT_SINGLELINE; DT_WORDBREAK also breaks at spaces to fit the width. Without
// DT_NOPREFIX "&x" underlines x and "&&" is "&". DT_END_ELLIPSIS cuts lines
// that do not fit and ends them with "...". DT_CALCRECT draws nothing and
// sets rect's right and bottom to the laid-out text's extent. Returns the
// height of the text.
int DrawText(HDC dc, std::string_view utf8, TRect& rect, unsigned format);
