// A horizontal gradient on a rectangle too narrow for any colour step (one
// pixel wide, also after clipping) paints nothing: every row keeps its own
// old pixels rather than taking the top row's.
#include <gtest/gtest.h>

#include "PaintTestSupport.h"
#include "paint/GradientPainter.h"

namespace {

TsGradPoint Horizontal(TColor c1, TColor c2, int percent) {
  TsGradPoint p;
  p.Color1 = c1;
  p.Color2 = c2;
  p.Percent = static_cast<std::uint8_t>(percent);
  p.Mode = 1;
  return p;
}

// Each row a colour of its own, so a row copied onto another shows.
Bitmap Striped(int width, int height, bool bottomUp) {
  Bitmap bmp = Filled(width, height, clWhite, bottomUp);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bmp.setPixel(x, y, RGB(10 * y, 100, 5 * x));
  return bmp;
}

TEST(PaintGradNarrow, OnePixelWideLeavesEveryRowAsItWas) {
  for (bool bottomUp : kBothOrders) {
    const TsGradArray gradient = {Horizontal(clBlack, clRed, 50), Horizontal(clRed, clBlue, 50)};
    // One pixel wide as given, and one pixel wide after clipping at the right edge.
    for (const TRect& rect : {Rect(2, 1, 3, 5), Rect(4, 1, 9, 5)}) {
      Bitmap bmp = Striped(5, 6, bottomUp);
      const Bitmap before = bmp;
      PaintGrad(bmp, rect, gradient);
      for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(bmp.pixel(x, y), before.pixel(x, y)) << x << "," << y;
    }
  }
}

TEST(PaintGradNarrow, TwoPixelsWidePaintsBothColumnsOfEveryRowAndNothingElse) {
  Bitmap bmp = Striped(5, 6, false);
  const Bitmap before = bmp;
  PaintGrad(bmp, Rect(1, 1, 3, 4), {Horizontal(clBlack, RGB(0, 0, 200), 100)});
  for (int y = 1; y < 4; ++y) {
    EXPECT_EQ(bmp.pixel(1, y), clBlack);
    EXPECT_EQ(bmp.pixel(2, y), RGB(0, 0, 200));
  }
  for (int x = 0; x < 5; ++x) {
    EXPECT_EQ(bmp.pixel(x, 0), before.pixel(x, 0));
    EXPECT_EQ(bmp.pixel(x, 4), before.pixel(x, 4));
  }
  EXPECT_EQ(bmp.pixel(0, 2), before.pixel(0, 2));
  EXPECT_EQ(bmp.pixel(3, 2), before.pixel(3, 2));
}

}  // namespace
