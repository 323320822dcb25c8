// The skinned speed button: its caption rectangle, its section at the
// state, the animation a hover starts through its parent, the separator
// style, and the plain look without a skin.
#include <gtest/gtest.h>

#include "controls/TsButtonGeometry.h"
#include "controls/TsSpeedButton.h"
#include "skin/SkinCommands.h"
#include "tests/controls/SkinnedButtonFixture.h"

namespace {

struct SkinnedSpeedButton : ::testing::Test, SkinnedButtonFixture {
  TsSpeedButton* button = nullptr;

  SkinnedSpeedButton() {
    AddSection("SPEEDBUTTON", kButtonNormal);
    TsGeneralData& speed = manager.Content().Sections.back();
    speed.HotColor = kButtonHot;
    speed.FadingEnabled = true;
    speed.FadingIterations = 20;
    button = new TsSpeedButton(form);
    button->SetParent(form);
    button->SetBounds(30, 30, 49, 22);
    button->SetCaption("Убрать");
    button->SetFlat(true);
    button->SkinData().SetSkinSection("SPEEDBUTTON");
    form->Show();
    driver.runUntilIdle();
  }
  TColor At(int x, int y) {
    const Bitmap shot = Shot(form->Handle());
    RECT window;
    GetWindowRect(form->Handle(), &window);
    const POINT p = ScreenPoint(form->Handle(), button->Left() + x, button->Top() + y);
    return shot.pixel(p.X - window.Left, p.Y - window.Top);
  }
};

}  // namespace

TEST(SpeedButtonCaptionRect, CentredBesideTheArrowStripAndMovedByTextOffset) {
  // dx = (49 - 36) / 2 = 6, dy = (22 - 13) / 2 = 4.
  EXPECT_EQ(SpeedButtonCaptionRect({49, 22}, {36, 13}, 0, -1, 0, false), Rect(5, 4, 45, 18));
  EXPECT_EQ(SpeedButtonCaptionRect({49, 22}, {36, 13}, 0, -1, 0, true), Rect(6, 5, 46, 19));
  // With the 16-pixel strip: dx = (49 - 16 - 17) / 2 = 8; TextOffset 3 moves it right.
  EXPECT_EQ(SpeedButtonCaptionRect({49, 22}, {17, 13}, 16, -1, 3, false), Rect(10, 4, 30, 18));
  // Margin 1 gives m = 4: dx = (49 - 36) / 2 - 4 = 2.
  EXPECT_EQ(SpeedButtonCaptionRect({49, 22}, {36, 13}, 0, 1, 0, false), Rect(1, 4, 45, 18));
}

TEST_F(SkinnedSpeedButton, IsPaintedFromItsSectionAndAnimatesToHotOnHover) {
  EXPECT_TRUE(button->Opaque());
  EXPECT_EQ(At(2, 11), kButtonNormal);
  driver.moveTo(ScreenPoint(form->Handle(), button->Left() + 40, button->Top() + 11));
  EXPECT_EQ(button->StateIndex(), 1);
  ASSERT_TRUE(button->Animation()) << "a hover animates";
  driver.runFor(30);
  const TColor mid = At(2, 11);
  EXPECT_NE(mid, kButtonNormal);
  EXPECT_NE(mid, kButtonHot);
  driver.runFor(250);
  EXPECT_FALSE(button->Animation());
  EXPECT_EQ(At(2, 11), kButtonHot);
}

TEST_F(SkinnedSpeedButton, ThePressIsShownAndTheReleaseRepaintsAtOnce) {
  const POINT p = ScreenPoint(form->Handle(), button->Left() + 40, button->Top() + 11);
  driver.moveTo(p);
  driver.runFor(250);
  int clicks = 0;
  button->OnClick = [&clicks](TObject*) { ++clicks; };
  driver.press(p);
  EXPECT_EQ(button->StateIndex(), 2);
  driver.runFor(100);
  driver.release(p);
  EXPECT_FALSE(button->Animation());
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(At(2, 11), kButtonHot);
}

TEST_F(SkinnedSpeedButton, ASeparatorShowsWhatLiesUnderIt) {
  button->SetButtonStyle(tbsSeparator);
  driver.runUntilIdle();
  EXPECT_EQ(At(2, 11), kFormColor);
}

TEST_F(SkinnedSpeedButton, WithoutTheSkinItIsThePlainFlatButton) {
  SendSkinCommand(button, SKC_SKIN_REMOVED, reinterpret_cast<LPARAM>(&manager));
  driver.runUntilIdle();
  EXPECT_FALSE(button->Opaque());
  EXPECT_EQ(At(2, 11), ColorToRGB(button->Color())) << "the plain flat button's own face";
}
