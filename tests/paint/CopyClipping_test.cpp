// Where a copy lands once it is clipped: a source sticking out above or left
// of its bitmap moves the destination along, one inside is taken as it is,
// and a destination above or left of its bitmap cuts the source instead.
#include "paint/primitives/CopyArea.h"

#include <gtest/gtest.h>

#include "PaintTestSupport.h"
#include "paint/primitives/KeyColorCopy.h"

namespace {

void ExpectArea(const CopyArea& a, int srcX, int srcY, int dstX, int dstY, int width, int height) {
  EXPECT_EQ(a.SrcX, srcX);
  EXPECT_EQ(a.SrcY, srcY);
  EXPECT_EQ(a.DstX, dstX);
  EXPECT_EQ(a.DstY, dstY);
  EXPECT_EQ(a.Width, width);
  EXPECT_EQ(a.Height, height);
}

constexpr TSize kSource{8, 8};
constexpr TSize kTarget{100, 100};

}  // namespace

TEST(CopyClipping, AnInclusiveSourceOutsideItsBitmapAtTheTopLeftMovesTheDestinationAlong) {
  ExpectArea(ClipInclusiveCopy(Rect(-2, -3, 4, 5), Point(10, 20), kSource, kTarget), 0, 0, 12, 23, 5, 6);
  ExpectArea(ClipInclusiveCopy(Rect(0, -1, 0, 0), Point(10, 20), kSource, kTarget), 0, 0, 10, 21, 1, 1);
}

TEST(CopyClipping, AnInclusiveSourceInsideItsBitmapKeepsItsPlaceAndLosesOnlyWhatLiesBeyond) {
  ExpectArea(ClipInclusiveCopy(Rect(1, 3, 4, 5), Point(10, 20), kSource, kTarget), 1, 3, 10, 20, 4, 3);
  ExpectArea(ClipInclusiveCopy(Rect(5, 6, 20, 20), Point(10, 20), kSource, kTarget), 5, 6, 10, 20, 3, 2);
}

TEST(CopyClipping, ADestinationOutsideTheTargetAtTheTopLeftCutsTheSource) {
  ExpectArea(ClipCopy(Rect(0, 0, 4, 4), Point(-1, -2), kSource, kTarget), 1, 2, 0, 0, 3, 2);
  ExpectArea(ClipCopy(Rect(2, 3, 6, 7), Point(98, 97), kSource, kTarget), 2, 3, 98, 97, 2, 3);
}

TEST(CopyClipping, ACopyThatMissesTheTargetOrTheSourceChangesNoPixel) {
  // 4-pixel rows need no padding, so a pixel written past a row's end would
  // land in the next row.
  const Bitmap source = Filled(4, 4, clRed);
  for (bool bottomUp : kBothOrders) {
    const Bitmap untouched = Filled(4, 4, clWhite, bottomUp);
    Bitmap target = untouched;
    CopyTransRect(target, source, Point(6, 0), clFuchsia, Rect(0, 0, 1, 1));  // right of the target
    CopyTransRect(target, source, Point(0, 5), clFuchsia, Rect(0, 0, 1, 1));  // below it
    CopyTransRect(target, source, Point(0, 0), clFuchsia, Rect(10, 0, 11, 1));  // right of the source
    CopyTransRect(target, source, Point(1, 1), clFuchsia, Rect(0, 7, 1, 8));  // below the source
    EXPECT_EQ(target, untouched) << (bottomUp ? "bottom-up" : "top-down");
  }
}
