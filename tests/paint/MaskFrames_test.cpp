// One state frame of an image mask drawn at a point: exactly the frame's
// width (nothing of the next frame), its key pixels showing the parent
// picture given, and nothing at all without a picture; and the corner
// repair of update corners, which leaves a control narrower than two
// pixels alone.
#include <gtest/gtest.h>

#include "PaintTestSupport.h"
#include "paint/BorderMaskPainter.h"
#include "paint/MaskImagePainter.h"

namespace {

// Two 4 by 3 frames side by side in a master bitmap: frame 0 red with a key
// pixel at its top-left, frame 1 blue.
std::shared_ptr<Bitmap> TwoFrames() {
  auto master = std::make_shared<Bitmap>(Filled(8, 3, clRed));
  for (int y = 0; y < 3; ++y)
    for (int x = 4; x < 8; ++x) master->setPixel(x, y, clBlue);
  master->setPixel(0, 0, clFuchsia);
  return master;
}

TsMaskData Glyph() {
  TsMaskData mask;
  mask.R = Rect(0, 0, 8, 3);
  mask.ImageCount = 2;
  return mask;
}

}  // namespace

TEST(MaskFrames, AFrameIsDrawnToItsOwnWidthOnly) {
  const auto master = TwoFrames();
  for (bool bottomUp : kBothOrders) {
    Bitmap dst = Filled(10, 5, clWhite, bottomUp);
    DrawMaskImage(dst, Point(1, 1), 0, EmptyCI(), Glyph(), 1, master.get());
    EXPECT_EQ(dst.pixel(4, 2), clRed);
    EXPECT_EQ(dst.pixel(4, 3), clRed);
    EXPECT_EQ(dst.pixel(5, 2), clWhite) << "nothing of the next frame";
    EXPECT_EQ(dst.pixel(2, 4), clWhite);
  }
}

TEST(MaskFrames, KeyPixelsShowTheParentPictureInTheNormalMode) {
  const auto master = TwoFrames();
  Bitmap parent = CoordinatePicture();
  Bitmap dst = Filled(10, 5, clWhite);
  DrawMaskImage(dst, Point(2, 1), 0, MakeCacheInfo(&parent, 5, 6), Glyph(), 1, master.get());
  EXPECT_EQ(dst.pixel(2, 1), parent.pixel(7, 7));
  EXPECT_EQ(dst.pixel(3, 1), clRed);
}

TEST(MaskFrames, WithoutAPictureNothingIsDrawn) {
  Bitmap dst = Filled(10, 5, clWhite);
  DrawMaskImage(dst, Point(0, 0), 0, EmptyCI(), Glyph(), 1, nullptr);
  const Bitmap empty;
  DrawMaskImage(dst, Point(0, 0), 0, EmptyCI(), Glyph(), 1, &empty);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 10; ++x) ASSERT_EQ(dst.pixel(x, y), clWhite);
}

TEST(MaskFrames, CornerRepairLeavesAControlNarrowerThanTwoPixelsAlone) {
  // A border mask of one 6 by 6 frame whose corners are all key colour.
  auto master = std::make_shared<Bitmap>(Filled(6, 6, clRed));
  for (TPoint p : {TPoint{0, 0}, TPoint{5, 0}, TPoint{0, 5}, TPoint{5, 5}}) master->setPixel(p.X, p.Y, clFuchsia);
  TsMaskData border;
  border.R = Rect(0, 0, 6, 6);
  border.ImageCount = 1;
  border.WL = border.WT = border.WR = border.WB = 2;
  Bitmap parent = Filled(20, 20, clNavy);
  for (TSize size : {TSize{1, 10}, TSize{10, 1}}) {
    Bitmap cache = Filled(size.cx, size.cy, clWhite);
    PaintBorderCorners(cache, Rect(0, 0, size.cx, size.cy), 0, border, MakeCacheInfo(&parent), master.get(), 15);
    for (int y = 0; y < size.cy; ++y)
      for (int x = 0; x < size.cx; ++x) EXPECT_EQ(cache.pixel(x, y), clWhite) << size.cx << "x" << size.cy;
  }
  Bitmap cache = Filled(6, 6, clWhite);
  PaintBorderCorners(cache, Rect(0, 0, 6, 6), 0, border, MakeCacheInfo(&parent), master.get(), 15);
  EXPECT_EQ(cache.pixel(0, 0), clNavy) << "a control of 2 by 2 or more gets its corners over the parent";
  EXPECT_EQ(cache.pixel(1, 0), clRed);
}
