#include "paint/primitives/MaskCopy.h"

#include <gtest/gtest.h>

#include "PaintTestSupport.h"

namespace {

// A skin image of 2 by 2 pixels with its mask half below it (R is 2 by 4):
// image colours on rows 0-1, per-channel mask values on rows 2-3.
Bitmap MaskedImage(TColor image, TColor maskValue, bool bottomUp) {
  Bitmap bmp(2, 4, PixelFormat::Bgr24, bottomUp);
  for (int x = 0; x < 2; ++x)
    for (int y = 0; y < 2; ++y) {
      bmp.setPixel(x, y, image);
      bmp.setPixel(x, y + 2, maskValue);
    }
  return bmp;
}

TsMaskData MaskOf(int width, int height, int maskType = 1) {
  TsMaskData mask;
  mask.R = Rect(0, 0, width, height);
  mask.ImageCount = 1;
  mask.MaskType = static_cast<std::int16_t>(maskType);
  return mask;
}

}  // namespace

TEST(CopyByMask, MaskZeroCopiesAndMask255KeepsAlmostTheDestination) {
  for (bool bottomUp : kBothOrders) {
    Bitmap dst = Filled(2, 2, clWhite, !bottomUp);
    CopyByMask(Rect(0, 0, 2, 2), Rect(0, 0, 2, 2), dst, MaskOf(2, 4), false, EmptyCI(), MaskedImage(RGB(1, 2, 3), clBlack, bottomUp));
    EXPECT_EQ(dst.pixel(1, 1), RGB(1, 2, 3));
    CopyByMask(Rect(0, 0, 2, 2), Rect(0, 0, 2, 2), dst, MaskOf(2, 4), false, EmptyCI(),
               MaskedImage(clBlack, clWhite, bottomUp));
    EXPECT_EQ(dst.pixel(0, 0), RGB((255 * 1 + 0) >> 8, (255 * 2 + 0) >> 8, (255 * 3 + 0) >> 8));
    Bitmap white = Filled(2, 2, clWhite, bottomUp);
    CopyByMask(Rect(0, 0, 2, 2), Rect(0, 0, 2, 2), white, MaskOf(2, 4), false, EmptyCI(), MaskedImage(clBlack, clWhite, bottomUp));
    EXPECT_EQ(white.pixel(1, 0), RGB(254, 254, 254));
  }
}

TEST(CopyByMask, EachChannelBlendsThroughItsOwnMaskChannel) {
  Bitmap src(256, 2);  // image row 0, mask row 1
  Bitmap dst(256, 1);
  for (int m = 0; m < 256; ++m) {
    src.setPixel(m, 0, RGB(255 - m, 0, 40));
    src.setPixel(m, 1, RGB(m, 255 - m, 128));
    dst.setPixel(m, 0, RGB(m, 200, 250));
  }
  CopyByMask(Rect(0, 0, 256, 1), Rect(0, 0, 256, 1), dst, MaskOf(256, 2), false, EmptyCI(), src);
  for (int m = 0; m < 256; ++m) {
    const TColor p = dst.pixel(m, 0);
    ASSERT_EQ(GetRValue(p), (m * m + (255 - m) * (256 - m)) >> 8);
    ASSERT_EQ(GetGValue(p), (200 * (255 - m) + 0) >> 8);
    ASSERT_EQ(GetBValue(p), (250 * 128 + 40 * 128) >> 8);
  }
}

TEST(CopyByMask, KeyPixelsFollowTheDescriptionAndFlag) {
  Bitmap src = MaskedImage(clFuchsia, clBlack, false);
  src.setPixel(1, 1, clLime);
  const TsMaskData mask = MaskOf(2, 4);
  Bitmap parent(8, 8, PixelFormat::Bgrx32, true);
  parent.fill(clYellow);
  parent.setPixel(4, 5, clNavy);

  Bitmap blended = Filled(2, 2, clWhite);  // Ready, flag clear: the key is an ordinary colour
  CopyByMask(Rect(0, 0, 2, 2), Rect(0, 0, 2, 2), blended, mask, false, MakeCacheInfo(&parent), src);
  EXPECT_EQ(blended.pixel(0, 0), clFuchsia);

  Bitmap borrowed = Filled(2, 2, clWhite);  // Ready, flag set: the parent under the pixel
  CopyByMask(Rect(0, 0, 2, 2), Rect(0, 0, 2, 2), borrowed, mask, true, MakeCacheInfo(&parent, 4, 5), src);
  EXPECT_EQ(borrowed.pixel(0, 0), clNavy);
  EXPECT_EQ(borrowed.pixel(1, 0), clYellow);
  EXPECT_EQ(borrowed.pixel(1, 1), clLime);

  Bitmap outside = Filled(2, 2, clWhite);  // the parent picture ends: pixels stay
  CopyByMask(Rect(0, 0, 2, 2), Rect(0, 0, 2, 2), outside, mask, true, MakeCacheInfo(&parent, 7, 7), src);
  EXPECT_EQ(outside.pixel(0, 0), clYellow);
  EXPECT_EQ(outside.pixel(1, 0), clWhite);
  EXPECT_EQ(outside.pixel(0, 1), clWhite);

  TCacheInfo plain;
  plain.FillColor = clMaroon;
  Bitmap filled = Filled(2, 2, clWhite);  // not Ready, flag set: the fill colour
  CopyByMask(Rect(0, 0, 2, 2), Rect(0, 0, 2, 2), filled, mask, true, plain, src);
  EXPECT_EQ(filled.pixel(0, 1), clMaroon);
  Bitmap skipped = Filled(2, 2, clWhite);  // not Ready, flag clear: left out
  CopyByMask(Rect(0, 0, 2, 2), Rect(0, 0, 2, 2), skipped, mask, false, plain, src);
  EXPECT_EQ(skipped.pixel(0, 1), clWhite);
  EXPECT_EQ(skipped.pixel(1, 1), clLime);
}

TEST(CopyByMask, KeyPixelsInsideLongRowsAreFoundInEveryRun) {
  // 20 pixels: runs of 8 with a key pixel in the first and the tail, none in the second.
  Bitmap src(20, 2);
  for (int x = 0; x < 20; ++x) {
    src.setPixel(x, 0, RGB(x, 100, 200));
    src.setPixel(x, 1, RGB(0, 0, 0));
  }
  src.setPixel(3, 0, clFuchsia);
  src.setPixel(17, 0, clFuchsia);
  TCacheInfo plain;
  plain.FillColor = clOlive;
  for (bool bottomUp : kBothOrders) {
    Bitmap dst = Filled(20, 1, clWhite, bottomUp);
    CopyByMask(Rect(0, 0, 20, 1), Rect(0, 0, 20, 1), dst, MaskOf(20, 2), true, plain, src);
    for (int x = 0; x < 20; ++x) ASSERT_EQ(dst.pixel(x, 0), x == 3 || x == 17 ? clOlive : RGB(x, 100, 200)) << x;
  }
}

TEST(CopyByMask, SizesAreTheSmallerRectangleCutToBothBitmaps) {
  Bitmap src(4, 4);  // image rows 0-1, mask rows 2-3 (all 0: copy)
  for (int x = 0; x < 4; ++x) {
    src.setPixel(x, 0, RGB(x, 0, 0));
    src.setPixel(x, 1, RGB(x, 1, 0));
  }
  Bitmap dst = Filled(3, 3, clWhite);
  CopyByMask(Rect(-1, 1, 9, 9), Rect(0, 0, 3, 2), dst, MaskOf(4, 4), false, EmptyCI(), src);
  EXPECT_EQ(dst.pixel(0, 1), RGB(1, 0, 0));  // one source column cut by the negative start
  EXPECT_EQ(dst.pixel(1, 2), RGB(2, 1, 0));
  EXPECT_EQ(dst.pixel(2, 1), clWhite);  // the source rectangle is 3 wide
  EXPECT_EQ(dst.pixel(0, 0), clWhite);
}

TEST(CopyGlyphByMask, ModeOneBlendsOtherModesFadeAndKeyIsSkipped) {
  // R holds an image row and two mask rows (MaskType 2): the mask is R.Height() / 3 below.
  Bitmap src(2, 3);
  src.setPixel(0, 0, RGB(0, 0, 0));
  src.setPixel(1, 0, clFuchsia);
  src.setPixel(0, 1, RGB(0, 100, 200));
  src.setPixel(1, 1, RGB(0, 0, 0));
  const TsMaskData mask = MaskOf(2, 3, 2);
  for (bool bottomUp : kBothOrders) {
    Bitmap normal = Filled(2, 1, clWhite, bottomUp);
    CopyGlyphByMask(Rect(0, 0, 1, 0), Rect(0, 0, 1, 0), normal, mask, 1, src);
    EXPECT_EQ(normal.pixel(0, 0), RGB(0, (255 * 100) >> 8, (255 * 200) >> 8));
    EXPECT_EQ(normal.pixel(1, 0), clWhite);
    Bitmap faded = Filled(2, 1, clWhite, bottomUp);
    CopyGlyphByMask(Rect(0, 0, 1, 0), Rect(0, 0, 1, 0), faded, mask, 0, src);
    EXPECT_EQ(faded.pixel(0, 0), RGB((255 * 100) >> 8, (255 * 200) >> 8, (255 * 255) >> 8));
  }
  // A glyph without a mask half is copied skipping the key colour.
  Bitmap plainDst = Filled(2, 1, clWhite);
  CopyGlyphByMask(Rect(0, 0, 1, 0), Rect(0, 0, 1, 0), plainDst, MaskOf(2, 3, 0), 1, src);
  EXPECT_EQ(plainDst.pixel(0, 0), clBlack);
  EXPECT_EQ(plainDst.pixel(1, 0), clWhite);
}
