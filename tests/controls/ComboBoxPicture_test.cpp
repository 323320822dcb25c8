// The closed command picker's picture when its section has a border mask:
// the mask's key-coloured corners show the form under the box, its centre
// (for a mask that draws it) fills the box, and the arrow glyph sits
// centred in the button.
#include "paint/BorderMaskPainter.h"
#include "skin/SkinCommandMessage.h"
#include "tests/controls/SkinnedComboFixture.h"

using namespace combo_test;

namespace {

constexpr TColor kEdge = 0x00205080;
constexpr TColor kCentre = 0x00D0E0F0;

struct ComboBoxPicture : SkinnedComboFixture {
  // A COMBOBOX border mask of three 9 x 9 frames: a 3-pixel edge with a
  // key-coloured corner pixel, around a centre of its own colour.
  void AddBoxMask(int stretchMode) {
    TsMaskData mask;
    mask.SectionName = "COMBOBOX";
    mask.PropertyName = "BORDERSMASK";
    mask.Bmp = std::make_shared<Bitmap>(27, 9, PixelFormat::Bgr24);
    mask.Bmp->fill(kEdge);
    for (int frame = 0; frame < 3; ++frame) {
      for (int y = 3; y < 6; ++y)
        for (int x = 3; x < 6; ++x) mask.Bmp->setPixel(frame * 9 + x, y, kCentre);
      for (TPoint corner : {TPoint{0, 0}, TPoint{8, 0}, TPoint{0, 8}, TPoint{8, 8}})
        mask.Bmp->setPixel(frame * 9 + corner.X, corner.Y, clFuchsia);
    }
    mask.R = Rect(0, 0, 27, 9);
    mask.ImageCount = 3;
    mask.WL = mask.WT = mask.WR = mask.WB = 3;
    mask.StretchMode = static_cast<std::int16_t>(stretchMode);
    mask.Manager = &manager;
    manager.Content().Masks.push_back(mask);
  }
};

}  // namespace

TEST_F(ComboBoxPicture, TheMasksCornersShowTheFormAndItsCentreFillsTheBox) {
  AddBoxMask(bsDrawCentre);
  Show();
  combo->SetStyle(csDropDownList);
  combo->SetItemIndex(-1);
  driver.runUntilIdle();
  ASSERT_TRUE(combo->SkinData().Skinned());
  const TColor under = ColorToRGB(form->Color());
  EXPECT_EQ(At(0, 0), under);
  EXPECT_EQ(At(combo->Width() - 1, 0), under);
  EXPECT_EQ(At(0, combo->Height() - 1), under);
  EXPECT_EQ(At(combo->Width() - 1, combo->Height() - 1), under);
  EXPECT_EQ(At(1, 0), kEdge);
  EXPECT_EQ(At(0, 1), kEdge);
  EXPECT_EQ(At(Button().Left - 2, combo->Height() / 2), kCentre) << "the mask's centre, not the section colour";
}

TEST_F(ComboBoxPicture, AMaskThatKeepsItsCentreLeavesTheSectionColourThere) {
  AddBoxMask(0);
  Show();
  combo->SetStyle(csDropDownList);
  driver.runUntilIdle();
  EXPECT_EQ(At(0, 0), ColorToRGB(form->Color()));
  EXPECT_EQ(At(Button().Left - 2, combo->Height() / 2), kBox);
}

TEST_F(ComboBoxPicture, TheArrowGlyphIsCentredInTheButton) {
  Show();
  const TRect button = Button();
  // The 8 x 6 frame at ((width - 8) / 2, (height - 6) / 2) inside the button.
  const int left = button.Left + (button.Width() - 8) / 2;
  const int top = button.Top + (button.Height() - 6) / 2;
  EXPECT_EQ(At(left, top), kGlyph[0]);
  EXPECT_EQ(At(left + 7, top + 5), kGlyph[0]);
  EXPECT_NE(At(left - 1, top), kGlyph[0]);
  EXPECT_NE(At(left + 8, top + 5), kGlyph[0]);
  EXPECT_NE(At(left, top - 1), kGlyph[0]);
  EXPECT_NE(At(left, top + 6), kGlyph[0]);
}

TEST_F(ComboBoxPicture, ABoxWithItsOwnFontColourKeepsItWithAndWithoutTheSkin) {
  Show();
  combo->SkinData().SetCustomFont(true);
  combo->Font().SetColor(clRed);
  SendMessage(box(), SM_SKINCOMMAND, SkinCommand(SKC_SKIN_CHANGED), reinterpret_cast<LPARAM>(&manager));
  driver.runUntilIdle();
  EXPECT_EQ(combo->Font().Color(), clRed);
  manager.SetActive(false);
  driver.runUntilIdle();
  EXPECT_FALSE(combo->SkinData().Skinned());
  EXPECT_EQ(combo->Font().Color(), clRed) << "the plain look keeps the box's own font colour";
}
