// The pixel work of the drawn hints on small pictures: the one-pixel edge
// along any shape (top-left colour where the left or upper neighbour is
// outside, bottom-right colour where the right or lower one is, the
// picture's own borders counting as outside), and the shadow's darkest grey.
#include <gtest/gtest.h>

#include "controls/hints/TacHintPixels.h"
#include "platform/Geometry.h"

namespace {

constexpr TColor kTop = 0x000000C0;
constexpr TColor kBottom = 0x00C00000;
constexpr TColor kFill = 0x00808080;

// A white mask with a black (inside) rectangle.
Bitmap MaskWith(int w, int h, const TRect& inside) {
  Bitmap mask(w, h, PixelFormat::Bgr24);
  mask.fill(clWhite);
  for (int y = inside.Top; y < inside.Bottom; ++y)
    for (int x = inside.Left; x < inside.Right; ++x) mask.setPixel(x, y, clBlack);
  return mask;
}

Bitmap Picture(int w, int h) {
  Bitmap p(w, h, PixelFormat::Bgr24);
  p.fill(kFill);
  return p;
}

}  // namespace

TEST(HintEdges, AShapeInsideThePictureGetsItsEdgeOnAllFourSides) {
  const Bitmap mask = MaskWith(12, 10, Rect(3, 2, 9, 8));
  Bitmap picture = Picture(12, 10);
  TacHintPixels::PaintEdge(picture, mask, kTop, kBottom);
  for (int y = 2; y < 8; ++y) {
    EXPECT_EQ(picture.pixel(3, y), kTop) << "left column, row " << y;
    EXPECT_EQ(picture.pixel(8, y), y == 2 ? kTop : kBottom) << "right column, row " << y;
    EXPECT_EQ(picture.pixel(2, y), kFill) << "outside stays";
    EXPECT_EQ(picture.pixel(9, y), kFill);
  }
  for (int x = 4; x < 8; ++x) {
    EXPECT_EQ(picture.pixel(x, 2), kTop) << "top row, column " << x;
    EXPECT_EQ(picture.pixel(x, 7), kBottom) << "bottom row, column " << x;
    EXPECT_EQ(picture.pixel(x, 4), kFill) << "the inside stays";
  }
}

TEST(HintEdges, AShapeFillingThePictureHasItsEdgeAlongThePicturesBorders) {
  const Bitmap mask = MaskWith(8, 6, Rect(0, 0, 8, 6));
  Bitmap picture = Picture(8, 6);
  TacHintPixels::PaintEdge(picture, mask, kTop, kBottom);
  for (int y = 1; y < 6; ++y) {
    EXPECT_EQ(picture.pixel(0, y), kTop) << y;
    EXPECT_EQ(picture.pixel(7, y), kBottom) << y;
    EXPECT_EQ(picture.pixel(6, y), y == 5 ? kBottom : kFill) << "the column before the last is inside" << y;
  }
  for (int x = 1; x < 7; ++x) {
    EXPECT_EQ(picture.pixel(x, 0), kTop) << x;
    EXPECT_EQ(picture.pixel(x, 5), kBottom) << x;
  }
  EXPECT_EQ(picture.pixel(3, 3), kFill);
}

TEST(HintEdges, TheShadowsDarkestGreyFollowsItsShare) {
  // p = rnd(st + (100 - st) * max(0, T) / 100), grey = p * 255 div 100.
  EXPECT_EQ(TacHintPixels::ShadowDepth(100, 0), 255);
  EXPECT_EQ(TacHintPixels::ShadowDepth(50, 0), 127);
  EXPECT_EQ(TacHintPixels::ShadowDepth(0, 100), 255);
  EXPECT_EQ(TacHintPixels::ShadowDepth(0, -20), 0);
  EXPECT_EQ(TacHintPixels::ShadowDepth(28, 8), 86) << "shComicsGradient: p = rnd(28 + 5.76) = 34";
}

TEST(HintEdges, OverACaptureWithNothingShowingThroughTheBubbleKeepsItsOwnColours) {
  // A dark bubble over a white screen: with a show-through of 0 not even the
  // faintest trace of the white may lighten it.
  const Bitmap mask = MaskWith(6, 4, Rect(1, 1, 5, 3));
  Bitmap picture(6, 4, PixelFormat::Bgr24);
  picture.fill(RGB(0x10, 0x20, 0x30));
  Bitmap shadow(6, 4, PixelFormat::Bgr24);
  shadow.fill(clWhite);  // no shadow anywhere
  Bitmap beneath(6, 4, PixelFormat::Bgr24);
  beneath.fill(clWhite);
  const Bitmap over = TacHintPixels::ComposeOverCapture(picture, mask, shadow, beneath, 0);
  ASSERT_EQ(over.width(), 6);
  for (int y = 1; y < 3; ++y)
    for (int x = 1; x < 5; ++x) EXPECT_EQ(over.pixel(x, y), RGB(0x10, 0x20, 0x30)) << x << "," << y;
  const Bitmap half = TacHintPixels::ComposeOverCapture(picture, mask, shadow, beneath, 128);
  EXPECT_GT(GetRValue(half.pixel(2, 1)), 0x80) << "a show-through of one half lightens it";
}
