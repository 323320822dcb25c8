#include "skin/TacSkinRecolor.h"

#include <gtest/gtest.h>

#include <memory>

TEST(TacSkinRecolor, HueRotationOfPureColours) {
  EXPECT_EQ(TacSkinRecolor::ChangeHue(RGB(255, 0, 0), 120), RGB(0, 255, 0));
  EXPECT_EQ(TacSkinRecolor::ChangeHue(RGB(255, 0, 0), -120), RGB(0, 0, 255));
  EXPECT_EQ(TacSkinRecolor::ChangeHue(RGB(255, 0, 0), 480), RGB(0, 255, 0));  // reduced into 0..359
  EXPECT_EQ(TacSkinRecolor::ChangeHue(RGB(0, 0, 255), 120), RGB(255, 0, 0));
  // Halfway between sectors: hue 60 + 30 = 90 gives (q, V, p) with f = 0.5.
  EXPECT_EQ(TacSkinRecolor::ChangeHue(RGB(200, 200, 0), 30), RGB(100, 200, 0));
  // Colours without saturation are untouched; system colours are resolved first.
  EXPECT_EQ(TacSkinRecolor::ChangeHue(RGB(128, 128, 128), 77), RGB(128, 128, 128));
  EXPECT_EQ(TacSkinRecolor::ChangeHue(clBtnFace, 120), TacSkinRecolor::ChangeHue(GetSysColor(COLOR_BTNFACE), 120));
  EXPECT_NE(TacSkinRecolor::ChangeHue(clBtnFace, 120), GetSysColor(COLOR_BTNFACE));
}

TEST(TacSkinRecolor, PaleColoursStayAsPaleAsTheyWere) {
  // A pink turns into a pale green, not into a pure one: the weakest channel keeps its share.
  EXPECT_EQ(TacSkinRecolor::ChangeHue(RGB(255, 128, 128), 120), RGB(128, 255, 128));
  EXPECT_EQ(TacSkinRecolor::ChangeHue(RGB(100, 150, 200), 360), RGB(100, 150, 200)) << "a full turn changes nothing";
}

TEST(TacSkinRecolor, SaturationMovesChannelsAroundTheirAverage) {
  // Saturation 50 is the amount -50: away from the average 100, then clamped.
  EXPECT_EQ(TacSkinRecolor::ChangeSaturation(RGB(200, 100, 0), -50), RGB(250, 100, 0));
  EXPECT_EQ(TacSkinRecolor::ChangeSaturation(RGB(200, 100, 0), 50), RGB(150, 100, 50));
  EXPECT_EQ(TacSkinRecolor::ChangeSaturation(RGB(200, 100, 0), 100), RGB(100, 100, 100));
  EXPECT_EQ(TacSkinRecolor::ChangeSaturation(RGB(77, 77, 77), -100), RGB(77, 77, 77));
  // (1 + 2 + 4) / 3 = 2.333..: channel 1 moves by 0.5 * 1.333 = 0.667 -> 2.
  EXPECT_EQ(TacSkinRecolor::ChangeSaturation(RGB(1, 2, 4), 50), RGB(2, 2, 3));
}

namespace {

TsSkinContent SmallSkin() {
  TsSkinContent c;
  c.MasterBitmap = std::make_shared<Bitmap>(3, 1);
  c.MasterBitmap->setPixel(0, 0, RGB(255, 0, 0));
  c.MasterBitmap->setPixel(1, 0, RGB(128, 128, 128));
  c.MasterBitmap->setPixel(2, 0, clFuchsia);
  TsMaskData own;
  own.Bmp = std::make_shared<Bitmap>(2, 1, PixelFormat::Bgrx32);
  own.Bmp->setPixel(0, 0, RGB(255, 0, 0));
  own.Bmp->setPixel(1, 0, clFuchsia);
  c.Masks.push_back(own);
  TsGeneralData s;
  s.SectionName = "BUTTON";
  s.Color = RGB(255, 0, 0);
  s.HotColor = RGB(200, 100, 0);
  s.FontColor = {static_cast<std::int32_t>(RGB(255, 0, 0)), -1, 0, -1, -1};
  s.GradientArray = {{RGB(255, 0, 0), RGB(0, 0, 255), 50, 0}};
  c.Sections.push_back(s);
  c.SkinData.Shadow1Color = RGB(255, 0, 0);
  c.SkinData.BorderColor = RGB(0, 255, 0);
  return c;
}

}  // namespace

TEST(TacSkinRecolor, RecolorChangesBitmapsSectionsAndGlobalsButNotGreyOrKeyPixels) {
  TsSkinContent c = SmallSkin();
  TacSkinRecolor::Recolor(c, 120, 0);
  EXPECT_EQ(c.MasterBitmap->pixel(0, 0), RGB(0, 255, 0));
  EXPECT_EQ(c.MasterBitmap->pixel(1, 0), RGB(128, 128, 128));
  EXPECT_EQ(c.MasterBitmap->pixel(2, 0), clFuchsia);
  ASSERT_EQ(c.Masks[0].Bmp->format(), PixelFormat::Bgr24);  // own bitmaps are made 24-bit
  EXPECT_EQ(c.Masks[0].Bmp->pixel(0, 0), RGB(0, 255, 0));
  EXPECT_EQ(c.Masks[0].Bmp->pixel(1, 0), clFuchsia);
  const TsGeneralData& s = c.Sections[0];
  EXPECT_EQ(s.Color, RGB(0, 255, 0));
  EXPECT_EQ(s.FontColor, (TsFontColors{static_cast<std::int32_t>(RGB(0, 255, 0)), -1, 0, -1, -1}));
  EXPECT_EQ(s.GradientArray[0].Color1, RGB(0, 255, 0));
  EXPECT_EQ(s.GradientArray[0].Color2, RGB(255, 0, 0));
  EXPECT_EQ(c.SkinData.Shadow1Color, RGB(0, 255, 0));
  EXPECT_EQ(c.SkinData.BorderColor, RGB(0, 0, 255));
}

TEST(TacSkinRecolor, SaturationStepUsesTheNegatedRemainder) {
  TsSkinContent c = SmallSkin();
  TacSkinRecolor::Recolor(c, 0, 50);
  EXPECT_EQ(c.Sections[0].HotColor, RGB(250, 100, 0));
  EXPECT_EQ(c.MasterBitmap->pixel(1, 0), RGB(128, 128, 128));
  EXPECT_EQ(c.MasterBitmap->pixel(2, 0), clFuchsia);

  // 151 rem 101 = 50: the same as 50.
  TsSkinContent d = SmallSkin();
  TacSkinRecolor::Recolor(d, 0, 151);
  EXPECT_EQ(d.Sections[0].HotColor, RGB(250, 100, 0));

  // 101 leaves a remainder of 0: no change at all, like 0 and 0.
  for (int saturation : {0, 101}) {
    TsSkinContent e = SmallSkin();
    const Bitmap before = *e.MasterBitmap;
    TacSkinRecolor::Recolor(e, 0, saturation);
    EXPECT_EQ(*e.MasterBitmap, before);
    EXPECT_EQ(e.Sections[0].HotColor, RGB(200, 100, 0));
    EXPECT_EQ(e.Masks[0].Bmp->format(), PixelFormat::Bgrx32);
  }
}
