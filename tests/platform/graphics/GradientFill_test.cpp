#include "platform/graphics/GradientFill.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "PixelProbe.h"

namespace {

int ChannelDistance(TColor a, TColor b) {
  return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
         std::abs(GetBValue(a) - GetBValue(b));
}

}  // namespace

TEST(GradientFill, FourTrianglesOfARectangleHitTheirCornersExactly) {
  // The engine's layout: top-left, centre, top-right, bottom-right,
  // bottom-left, with the right and bottom corners on the exclusive edges.
  const int w = 20, h = 12;
  Bitmap bmp(w + 2, h + 2);
  bmp.fill(clFuchsia);
  DeviceContext dc(bmp);
  SetViewportOrgEx(&dc, 1, 1);
  const TRIVERTEX v[] = {MakeTriVertex(0, 0, clRed), MakeTriVertex(w / 2, h / 2, clWhite), MakeTriVertex(w, 0, clLime),
                         MakeTriVertex(w, h, clBlue), MakeTriVertex(0, h, clYellow)};
  const GRADIENT_TRIANGLE t[] = {{0, 1, 2}, {1, 2, 3}, {0, 1, 4}, {4, 1, 3}};
  ASSERT_TRUE(GradientFill(&dc, v, t));
  // Exactly the rectangle is covered.
  EXPECT_EQ(CountPixels(bmp, clFuchsia), (w + 2) * (h + 2) - w * h);
  EXPECT_EQ(InkBox(bmp, clFuchsia), Rect(1, 1, w + 1, h + 1));
  EXPECT_EQ(bmp.pixel(1, 1), clRed);
  EXPECT_EQ(bmp.pixel(1 + w / 2, 1 + h / 2), clWhite);
  // The other corners lie one pixel inside their vertices: each is nearer
  // to its own vertex colour than to any other corner colour.
  const TColor corners[] = {clRed, clLime, clBlue, clYellow};
  const TPoint cornerPixels[] = {{1, 1}, {w, 1}, {w, h}, {1, h}};
  for (int i = 0; i < 4; ++i) {
    const TColor got = bmp.pixel(cornerPixels[i].X, cornerPixels[i].Y);
    for (int j = 0; j < 4; ++j)
      if (j != i) {
        EXPECT_LT(ChannelDistance(got, corners[i]), ChannelDistance(got, corners[j])) << i << " vs " << j;
      }
  }
  // Halfway along the top edge, red and green mix.
  const TColor mid = bmp.pixel(1 + w / 2, 1);
  EXPECT_NEAR(GetRValue(mid), 127, 2);
  EXPECT_NEAR(GetGValue(mid), 127, 2);
}

TEST(GradientFill, SharedEdgesArePaintedOnceAndBadIndexesRefused) {
  // Two triangles sharing a diagonal, painted in different colours: the
  // diagonal belongs to one of them, so the counts add up to the square.
  Bitmap bmp(8, 8);
  bmp.fill(clFuchsia);
  DeviceContext dc(bmp);
  const TRIVERTEX red[] = {MakeTriVertex(0, 0, clRed), MakeTriVertex(8, 0, clRed), MakeTriVertex(0, 8, clRed),
                           MakeTriVertex(8, 8, clRed)};
  const TRIVERTEX blue[] = {MakeTriVertex(0, 0, clBlue), MakeTriVertex(8, 0, clBlue), MakeTriVertex(0, 8, clBlue),
                            MakeTriVertex(8, 8, clBlue)};
  const GRADIENT_TRIANGLE upper[] = {{0, 1, 2}};
  const GRADIENT_TRIANGLE lower[] = {{1, 3, 2}};
  GradientFill(&dc, red, upper);
  const int redCount = CountPixels(bmp, clRed);
  GradientFill(&dc, blue, lower);
  EXPECT_EQ(CountPixels(bmp, clRed), redCount);  // blue did not paint over red
  EXPECT_EQ(CountPixels(bmp, clRed) + CountPixels(bmp, clBlue), 64);

  const GRADIENT_TRIANGLE bad[] = {{0, 1, 7}};
  EXPECT_FALSE(GradientFill(&dc, red, bad));
}

TEST(GradientFill, RectangleModesShadeAlongOneAxis) {
  Bitmap bmp(4, 2);
  DeviceContext dc(bmp);
  const TRIVERTEX v[] = {MakeTriVertex(0, 0, RGB(0, 0, 0)), MakeTriVertex(4, 2, RGB(200, 100, 0))};
  const GRADIENT_RECT r[] = {{0, 1}};
  ASSERT_TRUE(GradientFill(&dc, v, r, GRADIENT_FILL_RECT_H));
  EXPECT_EQ(bmp.pixel(0, 0), RGB(0, 0, 0));
  EXPECT_EQ(bmp.pixel(2, 1), RGB(100, 50, 0));
  EXPECT_EQ(bmp.pixel(2, 0), bmp.pixel(2, 1));
  ASSERT_TRUE(GradientFill(&dc, v, r, GRADIENT_FILL_RECT_V));
  EXPECT_EQ(bmp.pixel(3, 1), RGB(100, 50, 0));
  EXPECT_EQ(bmp.pixel(0, 0), RGB(0, 0, 0));
  EXPECT_FALSE(GradientFill(&dc, v, r, GRADIENT_FILL_TRIANGLE));
}
