#include "platform/graphics/TextDrawing.h"

#include <gtest/gtest.h>

#include <string>

#include "PixelProbe.h"
#include "platform/graphics/Fills.h"

namespace {

// A white bitmap with a context drawing black text in the program's
// default font, transparent background.
struct TextCanvas {
  explicit TextCanvas(int width = 200, int height = 40) : bmp(width, height), dc(bmp) {
    bmp.fill(clWhite);
    SetBkMode(&dc, TRANSPARENT);
    SetTextColor(&dc, clBlack);
  }
  void clear() { bmp.fill(clWhite); }
  TRect ink() const { return InkBox(bmp, clWhite); }
  int extent(const std::string& text) {
    TSize size;
    GetTextExtentPoint32(&dc, text, &size);
    return size.cx;
  }
  int lineHeight() {
    TEXTMETRIC tm;
    GetTextMetrics(&dc, &tm);
    return tm.tmHeight;
  }
  // DT_CALCRECT from a rectangle of the given width.
  TRect calc(const std::string& text, unsigned format, int width = 1000) {
    TRect r = Rect(0, 0, width, 0);
    DrawText(&dc, text, r, format | DT_CALCRECT);
    return r;
  }
  Bitmap bmp;
  DeviceContext dc;
};

const std::string kCyrillic = "Наполнить БАНКУ 2";

}  // namespace

TEST(Fonts, ClassicFacesFallBackToASansFaceWithCyrillic) {
  for (const char* face : {"MS Sans Serif", "Tahoma", "Arial", "No Such Face 12345"}) {
    LogFont request;
    request.lfFaceName = face;
    const HFONT font = CreateFontIndirect(request);
    ASSERT_NE(font, nullptr) << face;
    EXPECT_EQ(font->familyName(), "Liberation Sans") << face;
    EXPECT_GT(font->glyph(U'Ж').advance, 0) << face;
  }
  // Equal requests share one font; different ones do not.
  LogFont a;
  LogFont b = a;
  EXPECT_EQ(CreateFontIndirect(a), CreateFontIndirect(b));
  b.lfWeight = FW_BOLD;
  EXPECT_NE(CreateFontIndirect(a), CreateFontIndirect(b));
}

TEST(Fonts, HeightsFollowTheClassicSignRule) {
  LogFont character;
  character.lfHeight = -11;
  const FontMetrics m = CreateFontIndirect(character)->metrics();
  EXPECT_EQ(m.height, m.ascent + m.descent);
  EXPECT_GE(m.height, 12);
  EXPECT_LE(m.height, 14);
  EXPECT_EQ(m.internalLeading, m.height - 11);
  // A positive height asks for the cell: ascent + descent.
  LogFont cell;
  cell.lfHeight = 20;
  EXPECT_NEAR(CreateFontIndirect(cell)->metrics().height, 20, 1);
  // Bigger fonts measure wider.
  LogFont big = character;
  big.lfHeight = -22;
  EXPECT_GT(CreateFontIndirect(big)->textWidth(kCyrillic), CreateFontIndirect(character)->textWidth(kCyrillic));
}

TEST(TextOut, ExtentGrowsWithTheStringAndCyrillicDrawsPixels) {
  TextCanvas c;
  EXPECT_EQ(c.extent(""), 0);
  EXPECT_GT(c.extent("Н"), 0);
  EXPECT_GT(c.extent("На"), c.extent("Н"));
  EXPECT_EQ(c.extent("НаНа"), 2 * c.extent("На"));  // no kerning: advances add up
  // Broken UTF-8 is measured (as replacement characters), not overrun.
  EXPECT_GT(c.extent(std::string("\xD0", 1)), 0);

  ASSERT_TRUE(TextOut(&c.dc, 2, 3, kCyrillic));
  const TRect ink = c.ink();
  EXPECT_FALSE(ink.IsEmpty());
  EXPECT_GE(ink.Left, 2);
  EXPECT_LE(ink.Right, 2 + c.extent(kCyrillic) + 1);
  EXPECT_GE(ink.Top, 3);
  EXPECT_LE(ink.Bottom, 3 + c.lineHeight());
  // Stems come out dark, not as a faint haze of anti-aliasing.
  EXPECT_GT(CountDarkPixels(c.bmp, 96), 10);
}

TEST(TextOut, BackgroundModesAndTheClip) {
  TextCanvas c;
  SetBkMode(&c.dc, OPAQUE);
  SetBkColor(&c.dc, clYellow);
  TextOut(&c.dc, 0, 0, "ЖЖ");
  EXPECT_EQ(c.bmp.pixel(0, 0), clYellow);  // the cell, not only the glyphs
  EXPECT_EQ(c.bmp.pixel(c.extent("ЖЖ"), 0), clWhite);

  c.clear();
  SetBkMode(&c.dc, TRANSPARENT);
  IntersectClipRect(&c.dc, 0, 0, 5, 40);
  TextOut(&c.dc, 0, 0, "ЖЖЖЖ");
  EXPECT_FALSE(c.ink().IsEmpty());
  EXPECT_LE(c.ink().Right, 5);
}

TEST(TextOut, UnderlinedFontDrawsALineUnderTheWholeText) {
  TextCanvas c;
  LogFont request;
  request.lfUnderline = true;
  SelectObject(&c.dc, CreateFontIndirect(request));
  TextOut(&c.dc, 0, 0, "ab cd");
  const FontMetrics& m = c.dc.currentFont()->metrics();
  const int y = m.ascent + m.underlinePosition;
  for (int x = 0; x < c.extent("ab cd"); ++x) EXPECT_EQ(c.bmp.pixel(x, y), clBlack) << x;
}

TEST(DrawText, HorizontalAndVerticalAlignmentMoveTheInkExactly) {
  TextCanvas c(200, 40);
  const TRect box = Rect(10, 5, 190, 35);
  TRect r = box;
  DrawText(&c.dc, kCyrillic, r, DT_SINGLELINE);
  const TRect left = c.ink();
  ASSERT_FALSE(left.IsEmpty());
  const int width = c.extent(kCyrillic), height = c.lineHeight();

  struct Case {
    unsigned format;
    int dx, dy;
  } cases[] = {
      {DT_SINGLELINE | DT_CENTER, (box.Width() - width) / 2, 0},
      {DT_SINGLELINE | DT_RIGHT, box.Width() - width, 0},
      {DT_SINGLELINE | DT_VCENTER, 0, (box.Height() - height) / 2},
      {DT_SINGLELINE | DT_BOTTOM, 0, box.Height() - height},
      {DT_SINGLELINE | DT_CENTER | DT_VCENTER, (box.Width() - width) / 2, (box.Height() - height) / 2},
      // Vertical alignment needs a single line, as on the classic desktop.
      {DT_VCENTER, 0, 0},
  };
  for (const Case& k : cases) {
    c.clear();
    r = box;
    EXPECT_EQ(DrawText(&c.dc, kCyrillic, r, k.format), height);
    EXPECT_EQ(c.ink(), left.Offset(k.dx, k.dy)) << "format " << k.format;
  }
  // Right-to-left reading is accepted and changes nothing here.
  c.clear();
  r = box;
  DrawText(&c.dc, kCyrillic, r, DT_SINGLELINE | DT_RTLREADING);
  EXPECT_EQ(c.ink(), left);
}

TEST(DrawText, LineBreaksAndWordWrapping) {
  TextCanvas c;
  const int line = c.lineHeight();
  EXPECT_EQ(c.calc("раз\nдва\r\nтри", 0).Height(), 3 * line);
  EXPECT_EQ(c.calc("раз\nдва\r\nтри", DT_SINGLELINE).Height(), line);
  EXPECT_EQ(c.calc("раз\n", 0).Height(), line);  // a trailing break opens no line
  EXPECT_EQ(c.calc("", 0).Height(), 0);

  // Wrapping at spaces: a width that holds one word gives one line a word.
  const std::string words = "один два три";
  const int oneWord = c.extent("один") + 2;
  const TRect wrapped = c.calc(words, DT_WORDBREAK, oneWord);
  EXPECT_EQ(wrapped.Height(), 3 * line);
  EXPECT_EQ(wrapped.Width(), c.extent("один"));  // widest line, trailing spaces dropped
  EXPECT_EQ(c.calc(words, DT_WORDBREAK, c.extent("один два")).Height(), 2 * line);
  EXPECT_EQ(c.calc(words, DT_WORDBREAK).Height(), line);
  // A word longer than the width stays whole on its own line.
  const TRect longWord = c.calc("Переливание да", DT_WORDBREAK, 10);
  EXPECT_EQ(longWord.Height(), 2 * line);
  EXPECT_EQ(longWord.Width(), c.extent("Переливание"));
  // The drawn text really spans the lines.
  TRect r = Rect(0, 0, oneWord, 40);
  EXPECT_EQ(DrawText(&c.dc, words, r, DT_WORDBREAK | DT_NOCLIP), 3 * line);
  EXPECT_GT(c.ink().Height(), 2 * line);
}

TEST(DrawText, EndEllipsisMakesTheTextFit) {
  TextCanvas c;
  const std::string text = "Перелить всё из БАНКИ2 В БАНКУ 1";
  const int width = 80;
  ASSERT_GT(c.extent(text), width);
  TRect measured = c.calc(text, DT_SINGLELINE | DT_END_ELLIPSIS, width);
  EXPECT_LE(measured.Width(), width);
  EXPECT_GT(measured.Width(), width - c.extent("W...") - 2);  // cut no more than needed
  // Drawn without clipping, the ink still stays inside the rectangle.
  TRect r = Rect(0, 0, width, 20);
  DrawText(&c.dc, text, r, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOCLIP);
  EXPECT_LE(c.ink().Right, width);
  // Without the ellipsis the same text runs past it, and the clip stops it.
  c.clear();
  r = Rect(0, 0, width, 20);
  DrawText(&c.dc, text, r, DT_SINGLELINE | DT_NOCLIP);
  EXPECT_GT(c.ink().Right, width);
  c.clear();
  r = Rect(0, 0, width, 20);
  DrawText(&c.dc, text, r, DT_SINGLELINE);
  EXPECT_LE(c.ink().Right, width);
  // Text that fits is left alone.
  EXPECT_EQ(c.calc("БАНКА", DT_SINGLELINE | DT_END_ELLIPSIS, width).Width(), c.extent("БАНКА"));
}

TEST(DrawText, CalcRectMeasuresAndDrawsNothing) {
  TextCanvas c;
  TRect r = Rect(5, 7, 6, 8);
  const int height = DrawText(&c.dc, kCyrillic, r, DT_SINGLELINE | DT_CALCRECT | DT_CENTER);
  EXPECT_EQ(height, c.lineHeight());
  EXPECT_EQ(r, Rect(5, 7, 5 + c.extent(kCyrillic), 7 + c.lineHeight()));
  EXPECT_TRUE(c.ink().IsEmpty());
}

TEST(DrawText, PrefixUnderlinesTheNextCharacterUnlessSwitchedOff) {
  TextCanvas c;
  EXPECT_EQ(c.calc("&Файл", DT_SINGLELINE).Width(), c.extent("Файл"));
  EXPECT_EQ(c.calc("&Файл", DT_SINGLELINE | DT_NOPREFIX).Width(), c.extent("&Файл"));
  EXPECT_EQ(c.calc("a&&b", DT_SINGLELINE).Width(), c.extent("a&b"));
  EXPECT_EQ(c.calc("ab&", DT_SINGLELINE).Width(), c.extent("ab"));

  // The underline runs under the first letter only.
  const FontMetrics& m = c.dc.currentFont()->metrics();
  const int y = m.ascent + m.underlinePosition;
  TRect r = Rect(0, 0, 200, 20);
  DrawText(&c.dc, "&Файл", r, DT_SINGLELINE);
  const int first = c.extent("Ф");
  for (int x = 0; x < first; ++x) EXPECT_EQ(c.bmp.pixel(x, y), clBlack) << x;
  for (int x = first; x < c.extent("Файл"); ++x) EXPECT_EQ(c.bmp.pixel(x, y), clWhite) << x;

  // Hidden prefixes are removed but draw no line.
  c.clear();
  r = Rect(0, 0, 200, 20);
  DrawText(&c.dc, "&Файл", r, DT_SINGLELINE | DT_HIDEPREFIX);
  for (int x = 0; x < first; ++x) EXPECT_EQ(c.bmp.pixel(x, y), clWhite) << x;
}

TEST(DrawText, TabsExpandToEightAverageCharacters) {
  TextCanvas c;
  TEXTMETRIC tm;
  GetTextMetrics(&c.dc, &tm);
  const int stop = 8 * tm.tmAveCharWidth;
  EXPECT_EQ(c.calc("a\tb", DT_SINGLELINE | DT_EXPANDTABS).Width(), stop + c.extent("b"));
  EXPECT_EQ(c.calc("a\t\tb", DT_SINGLELINE | DT_EXPANDTABS).Width(), 2 * stop + c.extent("b"));
  EXPECT_EQ(c.calc("a\tb", DT_SINGLELINE).Width(), c.extent("ab"));
  // Drawn: the second word starts at the tab stop.
  TRect r = Rect(0, 0, 200, 20);
  DrawText(&c.dc, "\tЖ", r, DT_SINGLELINE | DT_EXPANDTABS);
  EXPECT_GE(c.ink().Left, stop);
  EXPECT_LT(c.ink().Left, stop + 3);
}
