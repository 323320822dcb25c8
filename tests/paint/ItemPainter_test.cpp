#include <gtest/gtest.h>

#include "PaintTestSupport.h"
#include "paint/BorderMaskPainter.h"
#include "paint/ItemBackground.h"
#include "paint/MaskImagePainter.h"
#include "paint/SkinItemPainter.h"

namespace {

// Master bitmap holding a plain border mask of two 6 by 6 frames at (0, 0):
// pixel (x, y) of frame f is RGB(100 * f + x, y, 50); the top-left pixel of
// each frame is the key colour.
std::shared_ptr<Bitmap> BorderMaster() {
  auto bmp = std::make_shared<Bitmap>(12, 6);
  for (int f = 0; f < 2; ++f)
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 6; ++x) bmp->setPixel(6 * f + x, y, RGB(100 * f + x, y, 50));
  bmp->setPixel(0, 0, clFuchsia);
  bmp->setPixel(6, 0, clFuchsia);
  return bmp;
}

TsMaskData BorderMask(int stretchMode) {
  TsMaskData mask;
  mask.SectionName = "PANEL";
  mask.PropertyName = "BORDERSMASK";
  mask.R = Rect(0, 0, 12, 6);
  mask.ImageCount = 2;
  mask.StretchMode = static_cast<std::int16_t>(stretchMode);
  mask.WL = mask.WT = mask.WR = mask.WB = 2;
  return mask;
}

TsSkinContent PanelSkin(TColor color, int transparency) {
  TsSkinContent skin;
  skin.MasterBitmap = BorderMaster();
  TsGeneralData panel;
  panel.SectionName = "PANEL";
  panel.Color = color;
  panel.Transparency = transparency;
  panel.HotColor = clRed;
  skin.Sections.push_back(panel);
  return skin;
}

bool FromFrame(TColor c, int frame, int x, int y) { return c == RGB(100 * frame + x, y, 50); }

// One blue w by h frame over its mask half, all black (opaque), and the mask
// that reads it with one-pixel borders all round.
std::shared_ptr<Bitmap> BlueFrameOverItsMask(int w, int h) {
  auto bmp = std::make_shared<Bitmap>(Filled(w, 2 * h, clBlue));
  for (int y = h; y < 2 * h; ++y)
    for (int x = 0; x < w; ++x) bmp->setPixel(x, y, clBlack);
  return bmp;
}

TsMaskData MaskedFrame(int w, int h) {
  TsMaskData mask;
  mask.R = Rect(0, 0, w, 2 * h);
  mask.ImageCount = 1;
  mask.MaskType = 1;
  mask.WL = mask.WT = mask.WR = mask.WB = 1;
  return mask;
}

}  // namespace

TEST(PaintItemBg, TransparencyShowsTheParentInItsShare) {
  Bitmap parent(20, 20);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) parent.setPixel(x, y, RGB(x * 10, y * 10, 3));
  for (bool bottomUp : kBothOrders) {
    TsSkinContent clear = PanelSkin(clBlack, 100);
    Bitmap dst = Filled(6, 6, clWhite, bottomUp);
    PaintItemBg(&clear, 0, "PANEL", MakeCacheInfo(&parent, 2, 3), clFuchsia, -1, -1, dst, Point(4, 5), Rect(0, 0, 6, 6), 0);
    EXPECT_EQ(dst.pixel(0, 0), parent.pixel(6, 8));
    EXPECT_EQ(dst.pixel(5, 5), parent.pixel(11, 13));

    TsSkinContent half = PanelSkin(clBlack, 50);
    Bitmap white = Filled(8, 8, clWhite, !bottomUp);
    Bitmap item = Filled(4, 4, clBlue, bottomUp);
    PaintItemBg(&half, 0, "PANEL", MakeCacheInfo(&white), clFuchsia, -1, -1, item, Point(0, 0), Rect(0, 0, 4, 4), 0);
    EXPECT_EQ(item.pixel(3, 3), RGB(127, 127, 127));  // (255 * 127 + 0 * 128 + 127) >> 8

    // Over a plain parent a see-through section takes the parent's colour
    // for its own as well; the weighted copy leaves 254 of white.
    TCacheInfo plain;
    plain.FillColor = clWhite;
    PaintItemBg(&half, 0, "PANEL", plain, clFuchsia, -1, -1, item, Point(0, 0), Rect(0, 0, 4, 4), 0);
    EXPECT_EQ(item.pixel(0, 0), RGB(254, 254, 254));
  }
}

TEST(PaintItemBg, ColourGradientAndStateChooseTheLook) {
  TsSkinContent skin = PanelSkin(RGB(40, 80, 120), 0);
  Bitmap dst = Filled(4, 10, clWhite);
  PaintItemBg(&skin, 0, "PANEL", EmptyCI(), clFuchsia, -1, -1, dst, Point(0, 0), Rect(0, 0, 4, 10), 0);
  EXPECT_EQ(dst.pixel(3, 9), RGB(40, 80, 120));
  PaintItemBg(&skin, 0, "PANEL", EmptyCI(), clFuchsia, -1, -1, dst, Point(0, 0), Rect(0, 0, 4, 10), 2);
  EXPECT_EQ(dst.pixel(0, 0), clRed);
  PaintItemBg(&skin, 0, "PANEL", EmptyCI(), clLime, -1, -1, dst, Point(0, 0), Rect(1, 1, 3, 3), 0);
  EXPECT_EQ(dst.pixel(1, 1), clLime);
  EXPECT_EQ(dst.pixel(3, 3), clRed);  // only the rectangle, no bleeding past it

  // GradientPercent 60 alone: 40 per cent of the colour over the gradient.
  TsGeneralData& panel = skin.Sections[0];
  panel.Color = clWhite;
  panel.GradientPercent = 60;
  panel.GradientArray = {{clBlack, RGB(90, 0, 0), 100, 0}};
  PaintItemBg(&skin, 0, "PANEL", EmptyCI(), clFuchsia, -1, -1, dst, Point(0, 0), Rect(0, 0, 4, 10), 0);
  // Row 9 of the gradient is RGB(90, 0, 0): rounded(0.6 * 90 + 0.4 * 255) = 156, 0.4 * 255 = 102.
  EXPECT_EQ(dst.pixel(2, 9), RGB(156, 102, 102));
  EXPECT_EQ(dst.pixel(2, 0), RGB(102, 102, 102));

  TsSkinContent none;
  PaintItemBg(&none, 0, "PANEL", EmptyCI(), clFuchsia, -1, -1, dst, Point(0, 0), Rect(0, 0, 4, 10), 0);
  PaintItemBg(nullptr, 0, "PANEL", EmptyCI(), clFuchsia, -1, -1, dst, Point(0, 0), Rect(0, 0, 4, 10), 0);
  EXPECT_EQ(dst.pixel(2, 0), RGB(102, 102, 102));
}

TEST(PaintItemBg, PatternTextureTakesItsImageShare) {
  TsSkinContent skin = PanelSkin(clBlack, 0);
  TsPatternData pattern;
  pattern.SectionName = "PANEL";
  pattern.PropertyName = "PATTERN";
  pattern.Img = std::make_shared<Bitmap>(Filled(2, 2, clWhite));
  pattern.Img->setPixel(1, 1, RGB(0, 0, 200));
  skin.Patterns.push_back(pattern);
  skin.Sections[0].ImagePercent = 100;
  Bitmap dst = Filled(5, 5, clGreen);
  PaintItemBg(&skin, 0, "PANEL", EmptyCI(), clFuchsia, -1, -1, dst, Point(0, 0), Rect(0, 0, 5, 5), 0);
  EXPECT_EQ(dst.pixel(0, 0), clWhite);
  EXPECT_EQ(dst.pixel(3, 3), RGB(0, 0, 200));
  // At 50 per cent the colour is mixed into the texture.
  skin.Sections[0].ImagePercent = 50;
  PaintItemBg(&skin, 0, "PANEL", EmptyCI(), clFuchsia, -1, -1, dst, Point(0, 0), Rect(0, 0, 5, 5), 0);
  EXPECT_EQ(dst.pixel(4, 4), RGB(128, 128, 128));  // 127.5 ties to 128
}

TEST(FitBorderWidths, ShrinksOppositeWidthsToFit) {
  TsMaskData mask = BorderMask(0);
  BorderWidths b = FitBorderWidths(mask, 3, 10);
  EXPECT_EQ(b.Left, 2);
  EXPECT_EQ(b.Right, 1);
  EXPECT_EQ(b.Top, 2);
  mask.WL = mask.WR = 3;
  b = FitBorderWidths(mask, 4, 1);
  EXPECT_EQ(b.Left, 2);
  EXPECT_EQ(b.Right, 2);
  EXPECT_EQ(b.Top, 1);  // a 1-pixel height: d = 1, the bottom loses one more
  EXPECT_EQ(b.Bottom, 0);
}

TEST(MaskBorderWidths, AOnePixelWidthOfItsOwnComesBeforeTheCommonWidthAndTheImageShare) {
  TsSkinContent skin;
  TsMaskData mask = BorderMask(0);  // 12 wide in two images: a share of 2
  mask.WL = mask.WT = mask.WR = mask.WB = 1;
  mask.BorderWidth = 3;
  skin.Masks.push_back(mask);
  EXPECT_EQ(skin.MaskWidthLeft(0), 1);
  EXPECT_EQ(skin.MaskWidthTop(0), 1);
  EXPECT_EQ(skin.MaskWidthRight(0), 1);
  EXPECT_EQ(skin.MaskWidthBottom(0), 1);
  skin.Masks[0].WR = 0;
  EXPECT_EQ(skin.MaskWidthRight(0), 3) << "no width of its own: the common one";
}

TEST(PaintBorderMask, PlainMaskTilesEdgesAndBorrowsCornerKeysFromTheParent) {
  const auto master = BorderMaster();
  Bitmap parent = Filled(30, 30, clNavy);
  for (bool bottomUp : kBothOrders) {
    Bitmap dst = Filled(9, 8, clWhite, bottomUp);
    PaintBorderMask(dst, Rect(0, 0, 9, 8), true, true, 1, BorderMask(bsDrawCentre), MakeCacheInfo(&parent, 3, 3), master.get());
    EXPECT_EQ(dst.pixel(0, 0), clNavy);           // key pixel of the corner
    EXPECT_TRUE(FromFrame(dst.pixel(1, 1), 1, 1, 1));
    EXPECT_TRUE(FromFrame(dst.pixel(8, 7), 1, 5, 5));
    EXPECT_TRUE(FromFrame(dst.pixel(7, 0), 1, 4, 0));
    // Top edge: the 2-wide source piece (columns 2..3) repeated from x = 2, cut at 7.
    EXPECT_TRUE(FromFrame(dst.pixel(2, 0), 1, 2, 0));
    EXPECT_TRUE(FromFrame(dst.pixel(4, 1), 1, 2, 1));
    EXPECT_TRUE(FromFrame(dst.pixel(6, 0), 1, 2, 0));
    // Left edge and centre, also tiled.
    EXPECT_TRUE(FromFrame(dst.pixel(0, 5), 1, 0, 3));
    EXPECT_TRUE(FromFrame(dst.pixel(5, 5), 1, 3, 3));
  }
}

TEST(PaintBorderMask, StatesFlagsAndStretchedEdges) {
  const auto master = BorderMaster();
  Bitmap hidden = Filled(8, 8, clWhite);
  PaintBorderMask(hidden, Rect(0, 0, 8, 8), false, false, 0, BorderMask(bsHiddenInNormal), EmptyCI(), master.get());
  EXPECT_EQ(hidden.pixel(1, 1), clWhite);
  PaintBorderMask(hidden, Rect(0, 0, 8, 8), false, false, 1, BorderMask(bsHiddenInNormal), EmptyCI(), master.get());
  EXPECT_TRUE(FromFrame(hidden.pixel(1, 1), 1, 1, 1));
  EXPECT_EQ(hidden.pixel(4, 4), clWhite);  // no centre without the flag

  Bitmap last = Filled(8, 8, clWhite);
  PaintBorderMask(last, Rect(0, 0, 8, 8), false, false, 7, BorderMask(0), EmptyCI(), master.get());
  EXPECT_TRUE(FromFrame(last.pixel(1, 1), 1, 1, 1));  // state 7 draws the last frame

  // Stretched: the top edge piece (columns 2..3, 2 wide) spans all 6 columns between the corners.
  Bitmap wide = Filled(10, 6, clWhite);
  PaintBorderMask(wide, Rect(0, 0, 10, 6), false, false, 0, BorderMask(bsStretchEdges), EmptyCI(), master.get());
  EXPECT_TRUE(FromFrame(wide.pixel(2, 0), 0, 2, 0));
  EXPECT_TRUE(FromFrame(wide.pixel(7, 0), 0, 3, 0));
  // A key-colour corner pixel over a plain parent takes its colour.
  TCacheInfo plain;
  plain.FillColor = clMaroon;
  Bitmap filled = Filled(6, 6, clWhite);
  PaintBorderMask(filled, Rect(0, 0, 6, 6), false, true, 0, BorderMask(0), plain, master.get());
  EXPECT_EQ(filled.pixel(0, 0), clMaroon);

  Bitmap tooSmall = Filled(4, 4, clWhite);
  PaintBorderMask(tooSmall, Rect(0, 0, 1, 4), false, false, 0, BorderMask(0), EmptyCI(), master.get());
  PaintBorderMask(tooSmall, Rect(0, 0, 4, 4), false, false, 0, BorderMask(0), EmptyCI(), nullptr);
  EXPECT_EQ(tooSmall.pixel(0, 1), clWhite);
}

TEST(PaintBorderMask, NarrowRectanglesDrawShrunkenBorders) {
  const auto master = BorderMaster();
  Bitmap dst = Filled(3, 6, clWhite);
  PaintBorderMask(dst, Rect(0, 0, 3, 6), false, false, 0, BorderMask(0), EmptyCI(), master.get());
  // Left 2 wide (frame columns 0..1), right 1 wide (frame column 5).
  EXPECT_TRUE(FromFrame(dst.pixel(1, 1), 0, 1, 1));
  EXPECT_TRUE(FromFrame(dst.pixel(2, 1), 0, 5, 1));
}

TEST(PaintBorderMask, MaskedMaskBlendsEveryPieceThroughItsMaskHalf) {
  // One 4 by 4 frame with its mask half below: the image is blue, the mask 0
  // (opaque) except the top-left corner pixel whose mask is 255.
  auto bmp = BlueFrameOverItsMask(4, 4);
  bmp->setPixel(0, 4, clWhite);
  Bitmap dst = Filled(7, 7, clWhite);
  PaintBorderMask(dst, Rect(0, 0, 7, 7), true, false, 0, MaskedFrame(4, 4), EmptyCI(), bmp.get());
  EXPECT_EQ(dst.pixel(0, 0), RGB(254, 254, 255));  // white kept 255/256, blue added 1/256
  EXPECT_EQ(dst.pixel(3, 0), clBlue);
  EXPECT_EQ(dst.pixel(6, 6), clBlue);
  EXPECT_EQ(dst.pixel(3, 3), clWhite);  // no centre without the flag
}

TEST(PaintBorderMask, AMaskedMaskMadeOfCornersOnlyLeavesTheEdgesBetweenThemAlone) {
  // A 2 by 2 frame with one-pixel borders all round has no edge pieces:
  // the corners are drawn and the edges between them are not.
  const auto bmp = BlueFrameOverItsMask(2, 2);
  Bitmap dst = Filled(6, 5, clWhite);
  PaintBorderMask(dst, Rect(0, 0, 6, 5), true, false, 0, MaskedFrame(2, 2), EmptyCI(), bmp.get());
  EXPECT_EQ(dst.pixel(0, 0), clBlue);
  EXPECT_EQ(dst.pixel(5, 4), clBlue);
  EXPECT_EQ(dst.pixel(3, 0), clWhite);
  EXPECT_EQ(dst.pixel(0, 2), clWhite);
}

TEST(DrawMaskImage, DrawsOneFrameCutAtNegativePointsAndFadesInOtherModes) {
  const auto master = BorderMaster();
  TsMaskData image = BorderMask(0);
  for (bool bottomUp : kBothOrders) {
    Bitmap dst = Filled(8, 8, clWhite, bottomUp);
    DrawMaskImage(dst, Point(-2, -1), 1, EmptyCI(), image, 1, master.get());
    EXPECT_TRUE(FromFrame(dst.pixel(0, 0), 1, 2, 1));  // two columns and one row cut from the start
    EXPECT_TRUE(FromFrame(dst.pixel(3, 4), 1, 5, 5));
    EXPECT_EQ(dst.pixel(4, 0), clWhite);

    Bitmap faded = Filled(8, 8, clWhite, bottomUp);
    DrawMaskImage(faded, Point(0, 0), 0, EmptyCI(), image, 0, master.get());
    EXPECT_EQ(faded.pixel(0, 0), clWhite);  // the key colour stays out
    EXPECT_EQ(faded.pixel(2, 1), RGB(128, 128, 152));  // half of RGB(2, 1, 50) and white, ties to even
  }
  // A mask with its own bitmap and a mask half blends through it.
  TsMaskData own;
  own.Bmp = std::make_shared<Bitmap>(Filled(6, 4, clRed));
  for (int y = 2; y < 4; ++y)
    for (int x = 0; x < 6; ++x) own.Bmp->setPixel(x, y, clBlack);
  own.R = Rect(0, 0, 6, 4);
  own.ImageCount = 3;
  own.MaskType = 1;
  Bitmap dst = Filled(4, 4, clWhite);
  DrawMaskImage(dst, Point(1, 1), 0, EmptyCI(), own, 1, nullptr);
  EXPECT_EQ(dst.pixel(1, 1), clRed);
  EXPECT_EQ(dst.pixel(2, 2), clRed);
  EXPECT_EQ(dst.pixel(3, 3), clWhite);  // frames are 2 by 2
}

TEST(PaintItem, BackgroundCornerImagesAndBorderOnlyInsideTheBitmap) {
  TsSkinContent skin = PanelSkin(clGreen, 0);
  skin.Masks.push_back(BorderMask(0));
  TsMaskData corner = BorderMask(0);
  corner.PropertyName = "IMGBTMRIGHT";
  corner.WL = corner.WT = corner.WR = corner.WB = 0;
  skin.Masks.push_back(corner);
  Bitmap parent = Filled(40, 40, clNavy);

  Bitmap dst = Filled(12, 12, clWhite);
  PaintItem(0, "PANEL", MakeCacheInfo(&parent), -1, -1, &skin, &dst, Point(5, 5), Rect(0, 0, 12, 12), 0, false);
  EXPECT_EQ(dst.pixel(0, 0), clNavy);                // border corner key pixel shows the parent
  EXPECT_TRUE(FromFrame(dst.pixel(11, 11), 0, 5, 5));
  EXPECT_EQ(dst.pixel(6, 6), clGreen);               // background in the centre
  // The corner image of 6 by 6 sits in the bottom-right corner, its key pixel
  // borrowing from the item picture itself (left unchanged: green).
  EXPECT_EQ(dst.pixel(6, 6), clGreen);
  EXPECT_TRUE(FromFrame(dst.pixel(7, 6), 0, 1, 0));

  Bitmap untouched = Filled(12, 12, clWhite);
  PaintItem(0, "PANEL", MakeCacheInfo(&parent), -1, -1, &skin, &untouched, Point(0, 0), Rect(0, 0, 13, 12), 0, false);
  PaintItem(0, "PANEL", MakeCacheInfo(&parent), -1, -1, &skin, &untouched, Point(0, 0), Rect(-1, 0, 5, 5), 0, false);
  PaintItem(3, "PANEL", MakeCacheInfo(&parent), -1, -1, &skin, &untouched, Point(0, 0), Rect(0, 0, 5, 5), 0, false);
  PaintItem(0, "PANEL", MakeCacheInfo(&parent), -1, -1, nullptr, &untouched, Point(0, 0), Rect(0, 0, 5, 5), 0, false);
  PaintItem(0, "PANEL", MakeCacheInfo(&parent), -1, -1, &skin, nullptr, Point(0, 0), Rect(0, 0, 5, 5), 0, false);
  EXPECT_EQ(untouched.pixel(0, 0), clWhite);

  // With a given border mask the section's own one is not used.
  Bitmap other = Filled(12, 12, clWhite);
  PaintItemWithMask(0, -1, -1, &skin, &other, Point(0, 0), Rect(0, 0, 12, 12), 0, false, MakeCacheInfo(&parent), "PANEL", -1);
  EXPECT_EQ(other.pixel(0, 0), clGreen);
  PaintItemWithMask(0, 0, -1, &skin, &other, Point(0, 0), Rect(0, 0, 12, 12), 1, false, MakeCacheInfo(&parent), "PANEL", -1);
  EXPECT_EQ(other.pixel(0, 0), clNavy);
  EXPECT_TRUE(FromFrame(other.pixel(1, 1), 1, 1, 1));
}
