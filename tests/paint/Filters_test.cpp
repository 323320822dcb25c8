#include <gtest/gtest.h>

#include "PaintTestSupport.h"
#include "paint/primitives/BitmapFilters.h"
#include "paint/primitives/DisabledLook.h"

TEST(BitmapFilters, GreyIsTheTruncatedMeanAndTheKeyIsKept) {
  for (bool bottomUp : kBothOrders) {
    Bitmap bmp = Filled(2, 2, RGB(10, 20, 32), bottomUp);
    bmp.setPixel(1, 1, clFuchsia);
    Bitmap all = bmp;
    GrayScale(all);
    EXPECT_EQ(all.pixel(0, 0), RGB(20, 20, 20));  // 62 div 3
    EXPECT_EQ(all.pixel(1, 1), RGB(170, 170, 170));
    GrayScaleTrans(bmp, clFuchsia);
    EXPECT_EQ(bmp.pixel(0, 1), RGB(20, 20, 20));
    EXPECT_EQ(bmp.pixel(1, 1), clFuchsia);
  }
}

TEST(BitmapFilters, ToneMovesNonKeyPixelsTowardTheColour) {
  Bitmap bmp = Filled(2, 1, RGB(100, 0, 255));
  bmp.setPixel(1, 0, clFuchsia);
  ToneBitmap(bmp, RGB(0, 100, 0), clFuchsia, 0.25);
  EXPECT_EQ(bmp.pixel(0, 0), RGB(25, 75, 64));  // 63.75 -> 64
  EXPECT_EQ(bmp.pixel(1, 0), clFuchsia);
  Bitmap same = Filled(2, 2, RGB(3, 4, 5));
  ToneBitmap(same, clWhite, clFuchsia, 1.0);
  EXPECT_EQ(same.pixel(1, 1), RGB(3, 4, 5));
}

TEST(DisabledLook, BlendsWithTheParentPictureOrColour) {
  for (bool bottomUp : kBothOrders) {
    Bitmap parent = Filled(10, 10, RGB(200, 100, 0), !bottomUp);
    parent.setPixel(5, 6, RGB(0, 0, 0));
    Bitmap control = Filled(3, 3, RGB(50, 0, 255), bottomUp);
    // The control lies at (4, 5) of an item that starts at (1, 1) of the picture.
    PaintDisabledLook(control, dlBlendWithParent, Point(3, 4), MakeCacheInfo(&parent, 1, 1), clRed);
    EXPECT_EQ(control.pixel(0, 0), RGB(140, 60, 102));  // 0.6 * parent + 0.4 * control
    EXPECT_EQ(control.pixel(1, 1), RGB(20, 0, 102));

    Bitmap grey = Filled(2, 2, RGB(30, 60, 90), bottomUp);
    TCacheInfo plain;
    plain.FillColor = clWhite;
    PaintDisabledLook(grey, dlGray | dlBlendWithParent, Point(0, 0), plain, clRed);
    EXPECT_EQ(grey.pixel(1, 1), RGB(158, 158, 158));  // grey 60 half with white: 157.5 ties to 158
  }
  Bitmap noFill = Filled(2, 2, clBlack);
  PaintDisabledLook(noFill, dlBlendWithParent, Point(0, 0), EmptyCI(), RGB(100, 0, 0));
  EXPECT_EQ(noFill.pixel(0, 0), RGB(50, 0, 0));
}
