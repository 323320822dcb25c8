#include "paint/GradientPainter.h"

#include <gtest/gtest.h>

#include "PaintTestSupport.h"

TEST(PaintGrad, VerticalSegmentsShareRowsAndTheLastReachesTheBottom) {
  for (bool bottomUp : kBothOrders) {
    Bitmap bmp = Filled(3, 21, clWhite, bottomUp);
    // The percentages add up to 60, yet the last segment ends on the last row.
    PaintGrad(bmp, Rect(0, 0, 3, 21), {Segment(clBlack, RGB(200, 0, 0), 50, 0), Segment(RGB(200, 0, 0), RGB(0, 0, 255), 10, 0)});
    // First segment: rows 0..10 (50 * 21 div 100 = 10 rows on), 20 per row.
    EXPECT_EQ(bmp.pixel(0, 0), clBlack);
    EXPECT_EQ(bmp.pixel(1, 3), RGB(60, 0, 0));
    EXPECT_EQ(bmp.pixel(2, 5), RGB(100, 0, 0));
    // Second segment: rows 10..20; blue grows by 25.5 per row, halves tie to even.
    EXPECT_EQ(bmp.pixel(0, 10), RGB(200, 0, 0));
    EXPECT_EQ(bmp.pixel(0, 11), RGB(180, 0, 26));
    EXPECT_EQ(bmp.pixel(0, 13), RGB(140, 0, 76));
    EXPECT_EQ(bmp.pixel(2, 20), RGB(0, 0, 255));
  }
}

TEST(PaintGrad, VerticalEndsAtAnEmptySegmentAndHonoursTheStartShift) {
  Bitmap bmp = Filled(2, 10, clWhite);
  PaintGrad(bmp, Rect(0, 0, 2, 10), {Segment(clBlack, clBlack, 0, 0), Segment(clRed, clRed, 100, 0)});
  EXPECT_EQ(bmp.pixel(1, 9), clWhite);  // n = 0 in the first segment ends the gradient

  // A gradient that began 5 rows above the rectangle: rows 0..9 are steps 5..14 of 14.
  PaintGrad(bmp, Rect(0, 0, 2, 10), {Segment(clBlack, RGB(140, 0, 0), 100, 0)}, -5);
  EXPECT_EQ(bmp.pixel(0, 0), RGB(50, 0, 0));
  EXPECT_EQ(bmp.pixel(0, 9), RGB(140, 0, 0));
}

TEST(PaintGrad, HorizontalColumnsRoundTheSegmentEnds) {
  for (bool bottomUp : kBothOrders) {
    Bitmap bmp = Filled(7, 3, clWhite, bottomUp);
    // Rectangle 5 wide from column 1: 50 per cent ends at rounded(2.5 + 1) = 4 (tie to even).
    PaintGrad(bmp, Rect(1, 0, 6, 3), {Segment(clBlack, RGB(0, 90, 0), 50, 1), Segment(RGB(0, 0, 90), RGB(0, 0, 30), 10, 1)});
    EXPECT_EQ(bmp.pixel(0, 0), clWhite);
    EXPECT_EQ(bmp.pixel(1, 2), clBlack);
    EXPECT_EQ(bmp.pixel(2, 1), RGB(0, 30, 0));
    EXPECT_EQ(bmp.pixel(3, 0), RGB(0, 60, 0));
    // The last segment starts on column 4 and ends on column 5, the last one.
    EXPECT_EQ(bmp.pixel(4, 2), RGB(0, 0, 90));
    EXPECT_EQ(bmp.pixel(5, 2), RGB(0, 0, 30));
    EXPECT_EQ(bmp.pixel(6, 2), clWhite);
  }
}

TEST(PaintGrad, TrianglesMeetAtTheCentreWithExactCornerColours) {
  Bitmap one = Filled(9, 7, clWhite);
  PaintGrad(one, Rect(0, 0, 9, 7), {Segment(RGB(10, 20, 30), clWhite, 0, 2)});
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 9; ++x) ASSERT_EQ(one.pixel(x, y), RGB(10, 20, 30));

  for (bool bottomUp : kBothOrders) {
    Bitmap bmp = Filled(12, 12, clBlue, bottomUp);
    // Top-left black, centre white, the rest black: brightness grows toward the centre.
    PaintGrad(bmp, Rect(0, 0, 10, 10),
              {Segment(clBlack, 0, 0, 2), Segment(clWhite, 0, 0, 2), Segment(clBlack, 0, 0, 2), Segment(clBlack, 0, 0, 2)});
    EXPECT_EQ(bmp.pixel(0, 0), clBlack);
    EXPECT_EQ(bmp.pixel(5, 5), clWhite);
    EXPECT_EQ(bmp.pixel(5, 2), RGB(102, 102, 102));  // top triangle: 255 * y / 5
    EXPECT_EQ(bmp.pixel(2, 5), RGB(102, 102, 102));  // left triangle, by symmetry
    EXPECT_EQ(bmp.pixel(9, 0), clBlack);
    EXPECT_EQ(bmp.pixel(10, 10), clBlue);  // outside the rectangle
  }
}

TEST(PaintGrad, NothingForAnEmptyArrayOrOutsideTheBitmap) {
  Bitmap bmp = Filled(4, 4, clWhite);
  PaintGrad(bmp, Rect(0, 0, 4, 4), {});
  PaintGrad(bmp, Rect(5, 5, 9, 9), {Segment(clBlack, clBlack, 100, 0)});
  EXPECT_EQ(bmp.pixel(3, 3), clWhite);
  PaintGrad(bmp, Rect(-3, 2, 40, 40), {Segment(clBlack, clBlack, 100, 0)});
  EXPECT_EQ(bmp.pixel(0, 2), clBlack);
  EXPECT_EQ(bmp.pixel(3, 3), clBlack);
  EXPECT_EQ(bmp.pixel(0, 1), clWhite);
}
