#include "paint/TextureTiling.h"

#include <gtest/gtest.h>

#include "PaintTestSupport.h"
#include "paint/primitives/HalftoneStretch.h"

namespace {

// A master bitmap with a 2 by 3 texture at (1, 1) whose pixel (i, j) is RGB(i, j, 99).
Bitmap Master(bool bottomUp) {
  Bitmap bmp = Filled(8, 8, clFuchsia, bottomUp);
  for (int j = 0; j < 3; ++j)
    for (int i = 0; i < 2; ++i) bmp.setPixel(1 + i, 1 + j, RGB(i, j, 99));
  return bmp;
}

TsMaskData Texture(int mode) {
  TsMaskData mask;
  mask.R = Rect(1, 1, 3, 4);
  mask.ImageCount = 1;
  mask.StretchMode = static_cast<std::int16_t>(mode);
  return mask;
}

bool IsTexel(TColor c, int i, int j) { return c == RGB(i, j, 99); }

}  // namespace

TEST(TileTexture, TilesFromTheTopLeftAndCutsTheLastRowAndColumn) {
  for (bool bottomUp : kBothOrders) {
    const Bitmap master = Master(bottomUp);
    const TsMaskData mask = Texture(0);
    Bitmap dst = Filled(10, 10, clWhite, !bottomUp);
    TRect rect = Rect(1, 2, 6, 9);
    TileTexture(dst, rect, &master, 0, &mask);
    EXPECT_EQ(rect, kFullyCovered);
    for (int y = 2; y < 9; ++y)
      for (int x = 1; x < 6; ++x) ASSERT_TRUE(IsTexel(dst.pixel(x, y), (x - 1) % 2, (y - 2) % 3)) << x << "," << y;
    EXPECT_EQ(dst.pixel(6, 2), clWhite);
    EXPECT_EQ(dst.pixel(1, 9), clWhite);
  }
}

TEST(TileTexture, PartialModesReportTheUncoveredPart) {
  const Bitmap master = Master(false);
  struct Case {
    int Mode;
    TRect Uncovered;
    TPoint Drawn, Untouched;
  };
  // Rectangle (0, 0, 7, 9); the texture is 2 wide and 3 high.
  const Case cases[] = {
      {2, Rect(0, 3, 7, 9), Point(6, 2), Point(0, 3)},  {3, Rect(2, 0, 7, 9), Point(1, 8), Point(2, 0)},
      {4, Rect(0, 3, 7, 9), Point(6, 2), Point(0, 3)},  {5, Rect(2, 0, 7, 9), Point(1, 8), Point(2, 0)},
      {6, Rect(0, 0, 7, 6), Point(0, 6), Point(0, 5)},  {7, Rect(0, 0, 5, 9), Point(5, 0), Point(4, 8)},
  };
  for (const Case& c : cases) {
    const TsMaskData mask = Texture(c.Mode);
    Bitmap dst = Filled(7, 9, clWhite);
    TRect rect = Rect(0, 0, 7, 9);
    TileTexture(dst, rect, &master, c.Mode, &mask);
    EXPECT_EQ(rect, c.Uncovered) << "mode " << c.Mode;
    EXPECT_NE(dst.pixel(c.Drawn.X, c.Drawn.Y), clWhite) << "mode " << c.Mode;
    EXPECT_EQ(dst.pixel(c.Untouched.X, c.Untouched.Y), clWhite) << "mode " << c.Mode;
  }
  // Rows along the bottom and columns along the right start from the far edge.
  const TsMaskData bottom = Texture(6);
  Bitmap dst = Filled(7, 9, clWhite);
  TRect rect = Rect(0, 0, 7, 9);
  TileTexture(dst, rect, &master, 6, &bottom);
  EXPECT_TRUE(IsTexel(dst.pixel(0, 6), 0, 0));
  EXPECT_TRUE(IsTexel(dst.pixel(3, 8), 1, 2));
}

TEST(TileTexture, FillModeTwoOverThirtyRows) {
  Bitmap master = Filled(10, 10, clGreen);
  TsMaskData mask;
  mask.R = Rect(0, 0, 10, 10);
  mask.ImageCount = 1;
  Bitmap dst = Filled(40, 40, clWhite);
  TRect rect = Rect(5, 5, 35, 35);
  TileTexture(dst, rect, &master, 2, &mask);
  EXPECT_EQ(rect, Rect(5, 15, 35, 35));
  EXPECT_EQ(dst.pixel(34, 14), clGreen);
  EXPECT_EQ(dst.pixel(34, 15), clWhite);
}

TEST(TileTexture, ModeTenLeavesTheBottomStripAndStretchModesScale) {
  const Bitmap master = Master(false);
  const TsMaskData rows = Texture(10);
  Bitmap dst = Filled(5, 9, clWhite);
  TRect rect = Rect(0, 0, 5, 9);
  TileTexture(dst, rect, &master, 10, &rows);
  EXPECT_EQ(rect, kFullyCovered);
  // Rows start at 0 and 3 (both above 9 - 3); the row at 6 would end on the edge and is not drawn.
  EXPECT_TRUE(IsTexel(dst.pixel(4, 5), 0, 2));
  EXPECT_EQ(dst.pixel(0, 6), clWhite);

  Bitmap plain = Filled(4, 4, clTeal);
  TsMaskData whole;
  whole.R = Rect(0, 0, 4, 4);
  whole.ImageCount = 1;
  Bitmap big = Filled(9, 9, clWhite);
  TRect all = Rect(0, 0, 9, 9);
  TileTexture(big, all, &plain, 1, &whole);
  EXPECT_EQ(all, kFullyCovered);
  EXPECT_EQ(big.pixel(8, 8), clTeal);
  TRect top = Rect(0, 0, 9, 9);
  Bitmap band = Filled(9, 9, clWhite);
  TileTexture(band, top, &plain, 4, &whole);
  EXPECT_EQ(top, Rect(0, 4, 9, 9));
  EXPECT_EQ(band.pixel(8, 3), clTeal);
  EXPECT_EQ(band.pixel(8, 4), clWhite);
}

TEST(TileTexture, OwnPicturesAreTiledWhateverTheModeAndBadInputLeavesAllUncovered) {
  auto pattern = std::make_shared<Bitmap>(Master(true));
  for (int mode : {1, 2, 7}) {
    TsMaskData mask = Texture(mode);
    mask.Bmp = pattern;
    Bitmap dst = Filled(12, 12, clWhite);
    TRect rect = Rect(2, 2, 12, 12);
    TileTexture(dst, rect, nullptr, mode, &mask);
    EXPECT_EQ(rect, kFullyCovered);
    EXPECT_EQ(dst.pixel(2, 2), clFuchsia);          // pattern (0, 0), unscaled
    EXPECT_TRUE(IsTexel(dst.pixel(11, 11), 0, 0));  // pattern (9 mod 8, 9 mod 8) = (1, 1)
  }
  // A pattern picture with no mask at all.
  Bitmap dst = Filled(12, 12, clWhite);
  TRect rect = Rect(0, 0, 12, 12);
  TileTexture(dst, rect, pattern.get(), 1, nullptr);
  EXPECT_EQ(rect, kFullyCovered);
  EXPECT_TRUE(IsTexel(dst.pixel(9, 9), 0, 0));

  const Bitmap master = Master(false);
  const TsMaskData odd = Texture(9);
  TRect unknown = Rect(0, 0, 5, 5);
  TileTexture(dst, unknown, &master, 9, &odd);
  EXPECT_EQ(unknown, Rect(0, 0, 5, 5));
  TsMaskData empty = Texture(0);
  empty.Bmp = std::make_shared<Bitmap>();
  TRect none = Rect(0, 0, 5, 5);
  TileTexture(dst, none, nullptr, 0, &empty);
  EXPECT_EQ(none, Rect(0, 0, 5, 5));
}

TEST(TileTextureWithMask, PiecesShowTheParentAndModeTenCopiesTheStrips) {
  // A 2 by 2 piece with its mask half below: key colour on the left, opaque blue on the right.
  Bitmap master = Filled(2, 4, clBlack);
  master.setPixel(0, 0, clFuchsia);
  master.setPixel(0, 1, clFuchsia);
  master.setPixel(1, 0, clBlue);
  master.setPixel(1, 1, clBlue);
  TsMaskData mask;
  mask.R = Rect(0, 0, 2, 4);
  mask.ImageCount = 1;
  mask.MaskType = 1;
  Bitmap parent(20, 20);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) parent.setPixel(x, y, RGB(x, y, 1));

  for (bool bottomUp : kBothOrders) {
    Bitmap dst = Filled(7, 7, clWhite, bottomUp);
    TRect rect = Rect(0, 0, 7, 7);
    TileTextureWithMask(dst, rect, MakeCacheInfo(&parent, 3, 3), 0, mask, master);
    EXPECT_EQ(rect, kFullyCovered);
    EXPECT_EQ(dst.pixel(0, 0), RGB(3, 3, 1));  // key pixel: the parent under it
    EXPECT_EQ(dst.pixel(1, 0), clBlue);
    EXPECT_EQ(dst.pixel(6, 3), RGB(9, 6, 1));  // the cut last column
    EXPECT_EQ(dst.pixel(0, 6), clWhite);       // rows only while above Bottom - u

    Bitmap strips = Filled(7, 7, clWhite, bottomUp);
    TRect again = Rect(0, 0, 7, 7);
    TileTextureWithMask(strips, again, MakeCacheInfo(&parent, 3, 3), 10, mask, master);
    EXPECT_EQ(strips.pixel(5, 0), clBlue);         // last whole column
    EXPECT_EQ(strips.pixel(6, 2), RGB(9, 5, 1));   // right strip from the parent
    EXPECT_EQ(strips.pixel(2, 6), RGB(5, 9, 1));   // bottom strip from the parent
    TCacheInfo plain;
    plain.FillColor = clRed;
    TRect third = Rect(0, 0, 7, 7);
    Bitmap filled = Filled(7, 7, clWhite, bottomUp);
    TileTextureWithMask(filled, third, plain, 10, mask, master);
    EXPECT_EQ(filled.pixel(0, 0), clRed);  // key pixels take the plain colour
    EXPECT_EQ(filled.pixel(6, 6), clRed);
  }
  Bitmap dst = Filled(4, 4, clWhite);
  TRect other = Rect(0, 0, 4, 4);
  TileTextureWithMask(dst, other, EmptyCI(), 1, mask, master);
  EXPECT_EQ(other, Rect(0, 0, 4, 4));
  EXPECT_EQ(dst.pixel(0, 0), clWhite);
}

TEST(StretchBitmapRect, AveragesTheCoveredSourceArea) {
  Bitmap src(4, 2);
  for (int x = 0; x < 4; ++x) {
    src.setPixel(x, 0, RGB(x * 80, 0, 255));
    src.setPixel(x, 1, RGB(x * 80, 255, 255));
  }
  Bitmap half = Filled(2, 1, clWhite, true);
  StretchBitmapRect(half, Rect(0, 0, 2, 1), src, Rect(0, 0, 4, 2));
  EXPECT_EQ(half.pixel(0, 0), RGB(40, 128, 255));  // (0 + 80) / 2, 127.5 ties to 128
  EXPECT_EQ(half.pixel(1, 0), RGB(200, 128, 255));
  Bitmap thrice = Filled(12, 6, clWhite);
  StretchBitmapRect(thrice, Rect(0, 0, 12, 6), src, Rect(0, 0, 4, 2));
  EXPECT_EQ(thrice.pixel(0, 0), src.pixel(0, 0));
  EXPECT_EQ(thrice.pixel(11, 5), src.pixel(3, 1));
  EXPECT_EQ(thrice.pixel(4, 2), src.pixel(1, 0));
  // A clip keeps the rest untouched; a 3-to-2 scale mixes the middle pixel in.
  Bitmap clipped = Filled(12, 6, clWhite);
  const TRect clip = Rect(0, 0, 6, 6);
  StretchBitmapRect(clipped, Rect(0, 0, 12, 6), src, Rect(0, 0, 4, 2), &clip);
  EXPECT_EQ(clipped.pixel(6, 0), clWhite);
  Bitmap two = Filled(2, 1, clWhite);
  StretchBitmapRect(two, Rect(0, 0, 2, 1), src, Rect(0, 0, 3, 1));
  EXPECT_EQ(GetRValue(two.pixel(0, 0)), 27);  // (0 * 2 + 80 * 1) / 3 = 26.67
}
