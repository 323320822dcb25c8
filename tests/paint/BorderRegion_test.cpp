#include <gtest/gtest.h>

#include "PaintTestSupport.h"
#include "paint/BorderMaskPainter.h"

namespace {

// One plain 6 by 6 frame: pixel (x, y) is RGB(x, y, 9); two key pixels start
// the top row and one ends it.
Bitmap CornerFrame() {
  Bitmap bmp(6, 6);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) bmp.setPixel(x, y, RGB(x, y, 9));
  bmp.setPixel(0, 0, clFuchsia);
  bmp.setPixel(1, 0, clFuchsia);
  bmp.setPixel(5, 0, clFuchsia);
  return bmp;
}

TsMaskData FrameMask(int stretchMode) {
  TsMaskData mask;
  mask.R = Rect(0, 0, 6, 6);
  mask.ImageCount = 1;
  mask.StretchMode = static_cast<std::int16_t>(stretchMode);
  mask.WL = mask.WT = mask.WR = mask.WB = 2;
  return mask;
}

}  // namespace

TEST(PaintBorderMaskWithRegion, KeyCornerPixelsAreCutFromTheRegionAndNotDrawn) {
  const Bitmap master = CornerFrame();
  for (bool bottomUp : kBothOrders) {
    Bitmap dst = Filled(10, 8, clWhite, bottomUp);
    Region region(Rect(0, 0, 10, 8));
    PaintBorderMaskWithRegion(dst, &region, 0, FrameMask(0), &master);
    EXPECT_FALSE(region.contains(0, 0));
    EXPECT_FALSE(region.contains(1, 0));
    EXPECT_FALSE(region.contains(9, 0));
    EXPECT_TRUE(region.contains(2, 0));
    EXPECT_TRUE(region.contains(0, 1));
    EXPECT_EQ(region.rects().size(), 2u);  // row 0 from 2 to 9, and the rest below
    EXPECT_EQ(dst.pixel(0, 0), clWhite);
    EXPECT_EQ(dst.pixel(1, 1), RGB(1, 1, 9));
    EXPECT_EQ(dst.pixel(9, 7), RGB(5, 5, 9));
    // Edges are tiled; the centre is left alone.
    EXPECT_EQ(dst.pixel(4, 0), RGB(2, 0, 9));
    EXPECT_EQ(dst.pixel(5, 7), RGB(3, 5, 9));
    EXPECT_EQ(dst.pixel(5, 4), clWhite);
  }
  // Without a region the corners are still drawn the same way.
  Bitmap dst = Filled(10, 8, clWhite);
  PaintBorderMaskWithRegion(dst, nullptr, 0, FrameMask(0), &master);
  EXPECT_EQ(dst.pixel(2, 0), RGB(2, 0, 9));
  EXPECT_EQ(dst.pixel(0, 0), clWhite);
}

TEST(PaintBorderMaskWithRegion, OnlySideEdgesStretch) {
  Bitmap master = CornerFrame();
  master.setPixel(0, 2, RGB(0, 0, 0));  // left edge rows 2..3: black over white
  master.setPixel(0, 3, RGB(255, 255, 255));
  Bitmap dst = Filled(8, 8, clRed);
  PaintBorderMaskWithRegion(dst, nullptr, 0, FrameMask(bsStretchEdges), &master);
  // The 2-row left piece spans rows 2..5: black twice, then white twice.
  EXPECT_EQ(dst.pixel(0, 3), RGB(0, 0, 0));
  EXPECT_EQ(dst.pixel(0, 4), RGB(255, 255, 255));
  // The top edge is tiled even with the flag: columns 2..3 repeat.
  EXPECT_EQ(dst.pixel(4, 1), RGB(2, 1, 9));
}

TEST(PaintBorderMaskWithRegion, EveryCornerPixelIsTheMastersWhateverTheRowsPadding) {
  // Widths whose rows need no padding (8, 12) put the next row right after
  // a corner's last pixel; nothing of a corner may spill into it.
  const Bitmap master = CornerFrame();
  for (int width : {7, 8, 9, 10, 12}) {
    for (bool bottomUp : kBothOrders) {
      Bitmap dst = Filled(width, 8, clWhite, bottomUp);
      PaintBorderMaskWithRegion(dst, nullptr, 0, FrameMask(0), &master);
      const TPoint corners[][2] = {{{0, 0}, {0, 0}}, {{width - 2, 0}, {4, 0}}, {{0, 6}, {0, 4}}, {{width - 2, 6}, {4, 4}}};
      for (const auto& corner : corners)
        for (int y = 0; y < 2; ++y)
          for (int x = 0; x < 2; ++x) {
            const TColor source = master.pixel(corner[1].X + x, corner[1].Y + y);
            const TColor want = source == clFuchsia ? clWhite : source;
            ASSERT_EQ(dst.pixel(corner[0].X + x, corner[0].Y + y), want)
                << "width " << width << (bottomUp ? " bottom-up" : "") << " at " << corner[0].X + x << ","
                << corner[0].Y + y;
          }
    }
  }
}

TEST(PaintBorderMaskWithRegion, AMaskedCornerShowsTheImageWhereItsMaskIsBlackAndKeepsTheTargetWhereWhite) {
  // One 4 by 4 white frame with its mask half below: black (the image shows)
  // except the top-left corner pixel, whose mask is white. Over a black target
  // that pixel stays black: the image adds less than one step of 256.
  Bitmap master = Filled(4, 8, clWhite);
  for (int y = 4; y < 8; ++y)
    for (int x = 0; x < 4; ++x) master.setPixel(x, y, clBlack);
  master.setPixel(0, 4, clWhite);
  master.setPixel(1, 4, RGB(128, 128, 128));
  TsMaskData mask;
  mask.R = Rect(0, 0, 4, 8);
  mask.ImageCount = 1;
  mask.MaskType = 1;
  mask.WL = mask.WT = mask.WR = mask.WB = 2;
  for (bool bottomUp : kBothOrders) {
    Bitmap dst = Filled(8, 8, clBlack, bottomUp);
    Region region(Rect(0, 0, 8, 8));
    PaintBorderMaskWithRegion(dst, &region, 0, mask, &master);
    EXPECT_EQ(dst.pixel(0, 0), clBlack);
    EXPECT_EQ(dst.pixel(1, 0), RGB(127, 127, 127)) << "half of the image: white 255 times 128 of 256";
    EXPECT_EQ(dst.pixel(0, 1), clWhite);
    EXPECT_EQ(dst.pixel(7, 7), clWhite);
    EXPECT_TRUE(region.contains(0, 0)) << "no key colour, nothing cut";
  }
}
