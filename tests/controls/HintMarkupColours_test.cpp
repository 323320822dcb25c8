// Hint mark-up colours: a FONT colour written as #RRGGBB colours its words,
// and the words after </FONT> are back in the outer font's colour.
#include <gtest/gtest.h>

#include <cstdlib>

#include "controls/hints/TacHintMarkup.h"
#include "framework/TApplication.h"
#include "framework/graphics/TBitmap.h"
#include "platform/headless/HeadlessDriver.h"

namespace {

// Pixels near the colour (smoothed text comes close to its colour).
int CountColour(const Bitmap& picture, TColor colour) {
  int n = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const TColor c = picture.pixel(x, y);
      int d = 0;
      for (int shift : {0, 8, 16})
        d += std::abs(static_cast<int>((c >> shift) & 0xFF) - static_cast<int>((colour >> shift) & 0xFF));
      n += d < 60;
    }
  return n;
}

struct HintMarkupColours : ::testing::Test {
  HeadlessDriver driver;
  TBitmap picture{300, 60};

  Bitmap Drawn(const char* text, TColor outer) {
    picture.Canvas().Brush.SetColor(clWhite);
    picture.Canvas().FillRect(Rect(0, 0, 300, 60));
    picture.Canvas().Font.SetColor(outer);
    picture.Canvas().Font.SetHeight(-16);
    TacHintMarkup::Draw(picture.Canvas(), text, Rect(0, 0, 300, 60));
    return picture.Pixels();
  }
};

}  // namespace

TEST_F(HintMarkupColours, AHashColourPaintsTheWordsInIt) {
  const TColor green = RGB(0, 0xA0, 0x10);
  const Bitmap p = Drawn("<FONT COLOR=#00A010>Зелёный</FONT>", clBlack);
  EXPECT_GT(CountColour(p, green), 20);
  EXPECT_EQ(CountColour(p, clBlack), 0);
}

TEST_F(HintMarkupColours, ClosingTheFontGoesBackToTheOuterColour) {
  const Bitmap p = Drawn("<FONT COLOR=MAROON>красный</FONT> синий", clNavy);
  EXPECT_GT(CountColour(p, clMaroon), 20);
  EXPECT_GT(CountColour(p, clNavy), 20) << "the words after </FONT>";
}

TEST_F(HintMarkupColours, EachPairOfHexDigitsIsItsOwnChannel) {
  // Red alone, then red beside a green whose top bit is set: neither
  // channel borrows a bit from the other.
  const Bitmap red = Drawn("<FONT COLOR=#B00000>Красный</FONT>", clBlack);
  EXPECT_GT(CountColour(red, RGB(0xB0, 0, 0)), 20);
  const Bitmap olive = Drawn("<FONT COLOR=#408000>Оливковый</FONT>", clBlack);
  EXPECT_GT(CountColour(olive, RGB(0x40, 0x80, 0)), 20);
}
