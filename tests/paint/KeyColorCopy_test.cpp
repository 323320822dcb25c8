#include "paint/primitives/KeyColorCopy.h"

#include <gtest/gtest.h>

#include "PaintTestSupport.h"

namespace {

// A 3 by 3 corner picture: key colour on the diagonal, blue elsewhere.
Bitmap Corner(bool bottomUp) {
  Bitmap bmp = Filled(3, 3, clBlue, bottomUp);
  for (int i = 0; i < 3; ++i) bmp.setPixel(i, i, clFuchsia);
  return bmp;
}

// A parent picture whose pixel (x, y) is RGB(x, y, 7).
Bitmap Parent(int w, int h, PixelFormat format, bool bottomUp) {
  Bitmap bmp(w, h, format, bottomUp);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) bmp.setPixel(x, y, RGB(x, y, 7));
  return bmp;
}

}  // namespace

TEST(CopyTransBitmaps, KeyPixelsShowTheParentPictureUnderThem) {
  for (bool bottomUp : kBothOrders)
    for (PixelFormat format : {PixelFormat::Bgr24, PixelFormat::Bgrx32}) {
      Bitmap parent = Parent(20, 20, format, !bottomUp);
      Bitmap dst = Filled(5, 5, clBlack, bottomUp);
      CopyTransBitmaps(dst, Corner(bottomUp), Point(1, 1), true, MakeCacheInfo(&parent, 10, 4), clFuchsia, Rect(0, 0, 2, 2));
      EXPECT_EQ(dst.pixel(1, 1), RGB(11, 5, 7));
      EXPECT_EQ(dst.pixel(3, 3), RGB(13, 7, 7));
      EXPECT_EQ(dst.pixel(2, 1), clBlue);
      EXPECT_EQ(dst.pixel(0, 0), clBlack);
      EXPECT_EQ(dst.pixel(4, 4), clBlack);
    }
}

TEST(CopyTransBitmaps, KeyPixelsStayWhenNoParentPixelCanBeBorrowed) {
  Bitmap parent = Parent(4, 4, PixelFormat::Bgr24, false);
  const Bitmap corner = Corner(false);
  // Onto the cache picture itself: key pixels keep what is already there.
  Bitmap own = Parent(4, 4, PixelFormat::Bgr24, false);
  CopyTransBitmaps(own, corner, Point(0, 0), true, MakeCacheInfo(&own, 1, 1), clFuchsia, Rect(0, 0, 2, 2));
  EXPECT_EQ(own.pixel(1, 1), RGB(1, 1, 7));
  EXPECT_EQ(own.pixel(1, 0), clBlue);
  // Without the update-corners flag a Ready description lends nothing.
  Bitmap dst = Filled(3, 3, clBlack);
  CopyTransBitmaps(dst, corner, Point(0, 0), false, MakeCacheInfo(&parent), clFuchsia, Rect(0, 0, 2, 2));
  EXPECT_EQ(dst.pixel(2, 2), clBlack);
  // A picture too small to read lends nothing either.
  Bitmap tiny = Filled(1, 1, clWhite);
  CopyTransBitmaps(dst, corner, Point(0, 0), true, MakeCacheInfo(&tiny), clFuchsia, Rect(0, 0, 2, 2));
  EXPECT_EQ(dst.pixel(0, 0), clBlack);
  // Positions outside the parent picture are left, the image pixels after them still copied.
  Bitmap row = Filled(3, 1, clFuchsia);
  row.setPixel(2, 0, clLime);
  Bitmap wide = Filled(6, 2, clBlack);
  CopyTransBitmaps(wide, row, Point(0, 0), true, MakeCacheInfo(&parent, 3, 0), clFuchsia, Rect(0, 0, 2, 0));
  EXPECT_EQ(wide.pixel(0, 0), RGB(3, 0, 7));
  EXPECT_EQ(wide.pixel(1, 0), clBlack);  // parent column 4 does not exist
  EXPECT_EQ(wide.pixel(2, 0), clLime);
  CopyTransBitmaps(wide, row, Point(0, 1), true, MakeCacheInfo(&parent, 0, -2), clFuchsia, Rect(0, 0, 2, 0));
  EXPECT_EQ(wide.pixel(0, 1), clBlack);  // above the parent picture
  EXPECT_EQ(wide.pixel(2, 1), clLime);
}

TEST(CopyTransBitmaps, WithoutAReadyDescriptionKeyPixelsTakeTheFillColour) {
  TCacheInfo ci;
  ci.FillColor = clBtnFace;
  Bitmap dst = Filled(4, 4, clBlack, true);
  CopyTransBitmaps(dst, Corner(false), Point(-1, 0), false, ci, clFuchsia, Rect(0, 0, 2, 2));
  EXPECT_EQ(dst.pixel(0, 1), GetSysColor(COLOR_BTNFACE));  // source (1, 1)
  EXPECT_EQ(dst.pixel(0, 0), clBlue);
  EXPECT_EQ(dst.pixel(2, 2), clBlack);  // only two columns survive the negative point
}

TEST(CopyTransRect, SkipsOnlyTheKeyAndClipsTheInclusiveRectangle) {
  for (bool bottomUp : kBothOrders) {
    Bitmap dst = Filled(5, 5, clBlack, bottomUp);
    // Column -1 is cut off and moves the point right by one, to (3, 2).
    CopyTransRect(dst, Corner(!bottomUp), Point(2, 2), clFuchsia, Rect(-1, 0, 5, 5));
    EXPECT_EQ(dst.pixel(2, 2), clBlack);
    EXPECT_EQ(dst.pixel(3, 2), clBlack);  // source (0, 0) is key
    EXPECT_EQ(dst.pixel(4, 2), clBlue);   // source (1, 0)
    EXPECT_EQ(dst.pixel(3, 3), clBlue);   // source (0, 1)
    EXPECT_EQ(dst.pixel(4, 3), clBlack);  // source (1, 1) is key
    EXPECT_EQ(dst.pixel(3, 4), clBlue);   // source (0, 2)
  }
}
