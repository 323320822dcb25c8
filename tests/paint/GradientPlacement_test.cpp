// Gradients placed away from the bitmap's origin: a horizontal gradient's
// segment ends fall at their share of the rectangle counted from its own
// left edge, and each corner of a triangle gradient takes its own colour.
#include <gtest/gtest.h>

#include "PaintTestSupport.h"
#include "paint/GradientPainter.h"

TEST(GradientPlacement, HorizontalSegmentsEndAtTheirShareOfARectangleFarFromTheOrigin) {
  const TColor second = RGB(0, 200, 0), third = RGB(0, 0, 250);
  for (bool bottomUp : kBothOrders) {
    Bitmap bmp = Filled(230, 3, clWhite, bottomUp);
    // Columns 100..199: the first segment takes 30 of them, the second 30.
    PaintGrad(bmp, Rect(100, 0, 200, 3),
              {Segment(clBlack, RGB(255, 0, 0), 30, 1), Segment(second, second, 30, 1), Segment(third, third, 40, 1)});
    EXPECT_EQ(bmp.pixel(100, 1), clBlack);
    EXPECT_EQ(bmp.pixel(129, 1), RGB(246, 0, 0)) << "255 * 29 / 30 = 246.5, to even";
    EXPECT_EQ(bmp.pixel(130, 1), second) << "the second segment starts at column 130";
    EXPECT_EQ(bmp.pixel(159, 1), second);
    EXPECT_EQ(bmp.pixel(160, 2), third) << "the third at column 160";
    EXPECT_EQ(bmp.pixel(199, 0), third);
    EXPECT_EQ(bmp.pixel(200, 0), clWhite);
    EXPECT_EQ(bmp.pixel(99, 0), clWhite);
  }
}

TEST(GradientPlacement, EachTriangleCornerTakesItsOwnColour) {
  const TColor topLeft = RGB(250, 0, 0), centre = RGB(0, 250, 0), topRight = RGB(0, 0, 250),
               bottomRight = RGB(250, 250, 0), bottomLeft = RGB(0, 250, 250);
  Bitmap bmp = Filled(60, 50, clWhite);
  PaintGrad(bmp, Rect(5, 5, 55, 45),
            {Segment(topLeft, 0, 0, 2), Segment(centre, 0, 0, 2), Segment(topRight, 0, 0, 2),
             Segment(bottomRight, 0, 0, 2), Segment(bottomLeft, 0, 0, 2)});
  auto near = [](TColor a, TColor b) {
    return std::abs(int(GetRValue(a)) - int(GetRValue(b))) + std::abs(int(GetGValue(a)) - int(GetGValue(b))) +
               std::abs(int(GetBValue(a)) - int(GetBValue(b))) <
           40;
  };
  EXPECT_EQ(bmp.pixel(5, 5), topLeft);
  EXPECT_EQ(bmp.pixel(30, 25), centre);
  EXPECT_TRUE(near(bmp.pixel(54, 5), topRight)) << std::hex << bmp.pixel(54, 5);
  EXPECT_TRUE(near(bmp.pixel(54, 44), bottomRight)) << std::hex << bmp.pixel(54, 44);
  EXPECT_TRUE(near(bmp.pixel(5, 44), bottomLeft)) << std::hex << bmp.pixel(5, 44);
  EXPECT_EQ(bmp.pixel(4, 4), clWhite);
  EXPECT_EQ(bmp.pixel(55, 45), clWhite);
}
