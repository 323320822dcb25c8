// The title buttons of a skinned frame as the pupil sees them when a press
// comes without a pointer move before it (a tap, or a pointer that jumped):
// only the pressed button shows pressed, the one hot before goes normal.
// Also the window style the frame takes and gives back, and the standard
// title icon size for small caption heights.
#include <gtest/gtest.h>

#include "platform/windowing/WinUser.h"
#include "skin/frame/TacFrameMetrics.h"
#include "tests/skin/ProgramFrameFixture.h"

namespace {

struct TitlePress : ::testing::Test, ProgramFrameFixture {
  void SetUp() override { ASSERT_EQ(manager.LastLoadOutcome(), TsSkinManager::LoadOutcome::Loaded) << manager.LastError(); }

  // How many of the glyph's own (non-key) pixels of the state frame the
  // window shows at the button's place.
  int GlyphPixelsShown(TCustomForm& form, const TsFrameButtonState& button, int state) {
    const TsMaskData& mask = Mask(button.MaskIndex);
    const Bitmap& master = *Skin().MasterBitmap;
    const Bitmap shot = driver.windowShot(form.Handle());
    const int fw = mask.R.Width() / mask.ImageCount;
    const int fh = mask.R.Height() / (mask.MaskType + 1);
    TsSkinProvider* frame = ProviderOf(form);
    const TPoint at{button.Left, frame->ButtonTop(button, fh)};
    int shown = 0;
    for (int y = 0; y < fh; ++y)
      for (int x = 0; x < fw; ++x) {
        const TColor expected = master.pixel(mask.R.Left + state * fw + x, mask.R.Top + y);
        if (expected != clFuchsia && shot.pixel(at.X + x, at.Y + y) == expected) ++shown;
      }
    return shown;
  }
  int GlyphPixels(const TsFrameButtonState& button, int state) {
    const TsMaskData& mask = Mask(button.MaskIndex);
    const Bitmap& master = *Skin().MasterBitmap;
    const int fw = mask.R.Width() / mask.ImageCount;
    const int fh = mask.R.Height() / (mask.MaskType + 1);
    int n = 0;
    for (int y = 0; y < fh; ++y)
      for (int x = 0; x < fw; ++x) n += master.pixel(mask.R.Left + state * fw + x, mask.R.Top + y) != clFuchsia;
    return n;
  }
  POINT Middle(TCustomForm& form, const TsFrameButtonState& button) {
    return driver.windowToScreen(form.Handle(), {(button.Left + button.Right) / 2, ProviderOf(form)->ButtonBandTop() + 9});
  }
};

}  // namespace

TEST_F(TitlePress, APressOnAnotherButtonWithoutAMoveLeavesTheHotOneNormal) {
  TFrameTestForm* form = ShowForm(bsSizeable, biSystemMenu | biMinimize | biMaximize, 320, 200);
  TsSkinProvider* frame = ProviderOf(*form);
  ASSERT_NE(frame, nullptr);
  const TsFrameButtonState minimize = frame->Button(TsSkinProvider::sbMinimize);
  const TsFrameButtonState close = frame->Button(TsSkinProvider::sbClose);
  ASSERT_GE(minimize.MaskIndex, 0);
  ASSERT_GE(close.MaskIndex, 0);

  driver.moveTo(Middle(*form, minimize));
  ASSERT_EQ(GlyphPixelsShown(*form, minimize, 1), GlyphPixels(minimize, 1)) << "minimize is hot";

  // The press arrives at the close button with no move before it.
  const POINT at = Middle(*form, close);
  SendMessage(form->Handle(), WM_NCLBUTTONDOWN, HTCLOSE, MAKELPARAM(at.X, at.Y));
  driver.runUntilIdle();
  EXPECT_EQ(GlyphPixelsShown(*form, close, 2), GlyphPixels(close, 2)) << "close shows pressed";
  EXPECT_EQ(GlyphPixelsShown(*form, minimize, 0), GlyphPixels(minimize, 0)) << "minimize is normal again";
  EXPECT_LT(GlyphPixelsShown(*form, minimize, 1), GlyphPixels(minimize, 1));

  // Let go away from both: nothing closes, both are normal.
  const POINT away = driver.windowToScreen(form->Handle(), {10, 100});
  driver.moveTo(away);
  driver.release(away);
  EXPECT_EQ(GlyphPixelsShown(*form, close, 0), GlyphPixels(close, 0));
  EXPECT_EQ(GlyphPixelsShown(*form, minimize, 0), GlyphPixels(minimize, 0));
  EXPECT_EQ(form->Closed, 0);

  // A press with nothing hot before it.
  const POINT onMinimize = Middle(*form, minimize);
  SendMessage(form->Handle(), WM_NCLBUTTONDOWN, HTMINBUTTON, MAKELPARAM(onMinimize.X, onMinimize.Y));
  driver.runUntilIdle();
  EXPECT_EQ(GlyphPixelsShown(*form, minimize, 2), GlyphPixels(minimize, 2));
  driver.release(away);
  EXPECT_FALSE(IsIconic(form->Handle()));
}

TEST_F(TitlePress, RemovingTheSkinGivesBackExactlyTheStyleTheFormHad) {
  for (TBorderIcons icons : {TBorderIcons(biSystemMenu | biMinimize), TBorderIcons(0)}) {
    TFrameTestForm* form = ShowForm(bsSingle, icons, 300, 160);
    const LONG_PTR withSysMenu = GetWindowLongPtr(form->Handle(), GWL_STYLE) | WS_SYSMENU;
    manager.SetActive(false);
    driver.runUntilIdle();
    const LONG_PTR plain = GetWindowLongPtr(form->Handle(), GWL_STYLE);
    EXPECT_EQ(plain & WS_SYSMENU, icons & biSystemMenu ? WS_SYSMENU : 0) << "icons " << icons;
    EXPECT_EQ(plain & ~static_cast<LONG_PTR>(WS_SYSMENU), withSysMenu & ~static_cast<LONG_PTR>(WS_SYSMENU));
    manager.SetActive(true);
    driver.runUntilIdle();
    delete form;
  }
}

TEST(TitleIconSize, TheStandardSizeFollowsTheCaptionHeight) {
  EXPECT_EQ(TacFrameMetrics::StandardIconSize(8), 0);
  EXPECT_EQ(TacFrameMetrics::StandardIconSize(9), 8);
  EXPECT_EQ(TacFrameMetrics::StandardIconSize(16), 8);
  EXPECT_EQ(TacFrameMetrics::StandardIconSize(17), 16);
  EXPECT_EQ(TacFrameMetrics::StandardIconSize(27), 16);
  EXPECT_EQ(TacFrameMetrics::StandardIconSize(28), 32);
}
