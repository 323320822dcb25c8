// Textures under a skin item: even a one-per-cent image share draws the
// texture, a texture with a mask half shows the parent through its key
// pixels and repeats by its upper half, and such a texture in fill mode 10
// lies over the item in the normal state only.
#include <gtest/gtest.h>

#include "PaintTestSupport.h"
#include "paint/ItemBackground.h"
#include "paint/TextureTiling.h"

namespace {

// A section PANEL of the given colours.
TsSkinContent PanelSkin(TColor color, TColor hot) {
  TsSkinContent skin;
  TsGeneralData panel;
  panel.SectionName = "PANEL";
  panel.Color = color;
  panel.HotColor = hot;
  skin.Sections.push_back(panel);
  return skin;
}

// A 2 by 2 texture piece over its mask half: key colour on the left, opaque
// blue on the right; the mask half is black (the piece shows as it is).
TsMaskData MaskedTexture(const char* property, int fillMode) {
  TsMaskData mask;
  mask.SectionName = "PANEL";
  mask.PropertyName = property;
  mask.ImgType = itisaTexture;
  mask.Bmp = std::make_shared<Bitmap>(Filled(2, 4, clBlack));
  for (int y = 0; y < 2; ++y) {
    mask.Bmp->setPixel(0, y, clFuchsia);
    mask.Bmp->setPixel(1, y, clBlue);
  }
  mask.R = Rect(0, 0, 2, 4);
  mask.ImageCount = 1;
  mask.MaskType = 1;
  mask.StretchMode = static_cast<std::int16_t>(fillMode);
  return mask;
}

}  // namespace

TEST(ItemTextures, AOnePerCentImageShareStillDrawsTheTexture) {
  TsSkinContent skin = PanelSkin(clBlack, clBlack);
  TsPatternData pattern;
  pattern.SectionName = "PANEL";
  pattern.PropertyName = "PATTERN";
  pattern.Img = std::make_shared<Bitmap>(Filled(2, 2, clWhite));
  skin.Patterns.push_back(pattern);
  skin.Sections[0].ImagePercent = 1;
  Bitmap dst = Filled(4, 4, clBlue);
  PaintItemBg(&skin, 0, "PANEL", EmptyCI(), clFuchsia, -1, -1, dst, Point(0, 0), Rect(0, 0, 4, 4), 0);
  // One per cent of white over black: 2.55 rounds to 3 in every channel.
  EXPECT_EQ(dst.pixel(0, 0), RGB(3, 3, 3));
  EXPECT_EQ(dst.pixel(3, 3), RGB(3, 3, 3));
}

TEST(ItemTextures, AMaskedTextureShowsTheParentAndRepeatsByItsUpperHalf) {
  TsSkinContent skin = PanelSkin(clWhite, clWhite);
  skin.Masks.push_back(MaskedTexture("PATTERN", 0));
  skin.Sections[0].ImagePercent = 100;
  const Bitmap parent = CoordinatePicture();
  Bitmap dst = Filled(6, 6, clGreen);
  PaintItemBg(&skin, 0, "PANEL", MakeCacheInfo(const_cast<Bitmap*>(&parent)), clFuchsia, -1, -1, dst, Point(3, 4),
              Rect(0, 0, 6, 6), 0);
  EXPECT_EQ(dst.pixel(0, 0), parent.pixel(3, 4)) << "a key pixel shows the parent under it";
  EXPECT_EQ(dst.pixel(2, 3), parent.pixel(5, 7));
  EXPECT_EQ(dst.pixel(1, 0), clBlue);
  EXPECT_EQ(dst.pixel(1, 2), clBlue) << "the second row of pieces, not the mask half";
  EXPECT_EQ(dst.pixel(3, 3), clBlue);
}

TEST(ItemTextures, AMaskedTextureInModeTenLiesOverTheNormalStateOnly) {
  for (const char* property : {"PATTERN", "HOTPATTERN"}) {
    SCOPED_TRACE(property);
    TsSkinContent skin = PanelSkin(clWhite, clYellow);
    skin.Masks.push_back(MaskedTexture(property, 10));
    const int texture = property == std::string("PATTERN") ? 0 : -1;
    const int hot = texture == 0 ? -1 : 0;
    const Bitmap parent = CoordinatePicture();
    Bitmap normal = Filled(7, 7, clGreen);
    PaintItemBg(&skin, 0, "PANEL", MakeCacheInfo(const_cast<Bitmap*>(&parent)), clFuchsia, hot, texture, normal,
                Point(1, 1), Rect(0, 0, 7, 7), 0);
    EXPECT_EQ(normal.pixel(1, 0), clBlue) << "the texture over the section colour";
    EXPECT_EQ(normal.pixel(0, 0), parent.pixel(1, 1)) << "its key pixels show the parent";
    EXPECT_EQ(normal.pixel(6, 2), parent.pixel(7, 3)) << "the strip right of the last whole piece";

    Bitmap hotLook = Filled(7, 7, clGreen);
    PaintItemBg(&skin, 0, "PANEL", MakeCacheInfo(const_cast<Bitmap*>(&parent)), clFuchsia, hot, texture, hotLook,
                Point(1, 1), Rect(0, 0, 7, 7), 1);
    EXPECT_EQ(hotLook.pixel(1, 0), clYellow) << "no texture over the hot state";
    EXPECT_EQ(hotLook.pixel(0, 0), clYellow);
  }
}

TEST(ItemTextures, AMaskedTextureWithoutFramesDrawsNothing) {
  TsMaskData mask = MaskedTexture("PATTERN", 0);
  mask.ImageCount = 0;
  Bitmap dst = Filled(6, 6, clGreen);
  TRect rect = Rect(0, 0, 6, 6);
  TileTextureWithMask(dst, rect, EmptyCI(), 0, mask, Bitmap());
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) ASSERT_EQ(dst.pixel(x, y), clGreen);
}
