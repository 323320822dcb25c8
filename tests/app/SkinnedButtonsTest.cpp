// The skinned buttons on the program's own windows: "ВЫПОЛНИТЬ" fading to
// its hot picture under the mouse and back, the panel's buttons looking
// disabled during a replay, and the tube window's tilt buttons showing
// their captions in full, wrapped.
#include <gtest/gtest.h>

#include "controls/buttons/TsBitBtn.h"
#include "controls/buttons/TsButton.h"
#include "puzzles/TForm1.h"
#include "puzzles/TForm3.h"
#include "tests/app/TrainerSession.h"

namespace {

bool SamePicture(const Bitmap& a, const Bitmap& b) {
  if (a.width() != b.width() || a.height() != b.height()) return false;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) return false;
  return true;
}

class SkinnedButtonsTest : public ::testing::Test {
 protected:
  TrainerSession session;
  HeadlessDriver& driver() { return session.Driver(); }
  Bitmap Picture(TWinControl* control) { return driver().windowShot(control->Handle()); }
  void MoveAway(TCustomForm* window) { driver().moveTo(driver().clientToScreen(window->Handle(), {5, 5})); }
};

}  // namespace

TEST_F(SkinnedButtonsTest, HoveringExecuteFadesItToItsHotPictureAndLeavingFadesItBack) {
  TForm1* jugs = session.Program().JugsWindow();
  auto* execute = dynamic_cast<TsBitBtn*>(session.Control(jugs, "sBitBtn1"));
  ASSERT_NE(execute, nullptr);
  ASSERT_TRUE(execute->SkinData().Skinned()) << "the built-in skin paints it";
  MoveAway(jugs);
  driver().runFor(300);
  ASSERT_EQ(execute->StateIndex(), 0);
  const Bitmap normal = Picture(execute);

  driver().moveTo(driver().clientToScreen(execute->Handle(), {20, 12}));
  ASSERT_TRUE(execute->Fade()) << "the hover fades";
  driver().runFor(100);
  const Bitmap middle = Picture(execute);
  driver().runFor(200);
  EXPECT_FALSE(execute->Fade());
  const Bitmap hot = Picture(execute);
  EXPECT_EQ(execute->StateIndex(), 1);
  EXPECT_FALSE(SamePicture(hot, normal)) << "the hot picture differs";
  EXPECT_FALSE(SamePicture(middle, normal));
  EXPECT_FALSE(SamePicture(middle, hot)) << "half way it is a mix of both";

  MoveAway(jugs);
  ASSERT_TRUE(execute->Fade()) << "leaving fades back";
  driver().runFor(300);
  EXPECT_TRUE(SamePicture(Picture(execute), normal));
}

TEST_F(SkinnedButtonsTest, DuringAReplayThePanelButtonsLookDisabled) {
  TForm1* jugs = session.Program().JugsWindow();
  auto* clear = dynamic_cast<TsButton*>(session.Control(jugs, "sButton1"));
  auto* execute = dynamic_cast<TsBitBtn*>(session.Control(jugs, "sBitBtn1"));
  ASSERT_NE(clear, nullptr);
  session.Choose(jugs, 1);
  MoveAway(jugs);
  driver().runFor(300);
  const Bitmap enabledClear = Picture(clear);
  session.Execute(jugs);
  MoveAway(jugs);
  driver().runFor(30);
  ASSERT_FALSE(session.PanelEnabled(jugs)) << "the replay runs";
  EXPECT_FALSE(clear->LooksEnabled()) << "its panel is disabled";
  const Bitmap disabledClear = Picture(clear);
  EXPECT_FALSE(SamePicture(disabledClear, enabledClear)) << "blended with the panel";
  // The blend lightens the dark caption toward the panel behind it.
  int darkBefore = 0, darkAfter = 0;
  for (int y = 0; y < enabledClear.height(); ++y)
    for (int x = 0; x < enabledClear.width(); ++x) {
      darkBefore += (enabledClear.pixel(x, y) & 0xFF) < 0x60;
      darkAfter += (disabledClear.pixel(x, y) & 0xFF) < 0x60;
    }
  EXPECT_LT(darkAfter, darkBefore);
  EXPECT_FALSE(execute->LooksEnabled());
  session.Run(5000);
  session.TakeMessages();
}

TEST_F(SkinnedButtonsTest, TheTiltButtonsShowTheirCaptionsInFull) {
  TForm3* tube = session.Program().TubeWindow();
  tube->Show();
  session.Program().JugsWindow()->Hide();
  driver().runUntilIdle();
  for (const char* name : {"sButton2", "sButton5"}) {
    auto* tilt = dynamic_cast<TsButton*>(session.Control(tube, name));
    ASSERT_NE(tilt, nullptr) << name;
    ASSERT_TRUE(tilt->WordWrap());
    const TRect caption = tilt->CaptionRect(0);
    EXPECT_GE(caption.Left, 0) << name;
    EXPECT_LE(caption.Right, tilt->Width() + 1) << name;
    EXPECT_GE(caption.Height(), 24) << name << ": two lines";
    // Text shows in both halves of the rectangle: nothing is cut.
    const Bitmap picture = Picture(tilt);
    const TColor face = picture.pixel(3, tilt->Height() / 2);
    auto inkIn = [&](int top, int bottom) {
      int ink = 0;
      for (int y = top; y < bottom; ++y)
        for (int x = caption.Left; x < caption.Right; ++x) ink += (picture.pixel(x, y) & 0xFF) + 0x40 < (face & 0xFF);
      return ink;
    };
    const int middle = (caption.Top + caption.Bottom) / 2;
    EXPECT_GT(inkIn(caption.Top, middle), 15) << name << ": first line";
    EXPECT_GT(inkIn(middle, caption.Bottom), 15) << name << ": second line";
  }
}
