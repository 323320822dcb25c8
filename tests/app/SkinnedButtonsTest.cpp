// The skinned buttons on the program's own windows: "ВЫПОЛНИТЬ" fading to
// its hot picture under the mouse and back, the panel's buttons looking
// disabled during a replay, and the tube window's tilt buttons showing
// their captions in full, wrapped.
#include <gtest/gtest.h>

#include "controls/buttons/TsBitBtn.h"
#include "controls/buttons/TsButton.h"
#include "controls/buttons/TsSpeedButton.h"
#include "platform/controls/ControlMessages.h"
#include "platform/windowing/WinUser.h"
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
  void MoveAway(TCustomForm* window) { driver().moveTo(driver().clientToScreen(window->Handle(), {5, 5})); }
  Bitmap Picture(TWinControl* control) { return driver().windowShot(control->Handle()); }
  void MoveOnto(TWinControl* control) {
    driver().moveTo(driver().clientToScreen(control->Handle(), {control->Width() / 2, control->Height() / 2}));
  }
  // A windowless control as its parent's window shows it.
  Bitmap WindowlessPicture(TControl* control) {
    const Bitmap parent = driver().windowShot(control->Parent()->Handle());
    Bitmap picture(control->Width(), control->Height());
    for (int y = 0; y < control->Height(); ++y)
      for (int x = 0; x < control->Width(); ++x)
        picture.setPixel(x, y, parent.pixel(control->Left() + x, control->Top() + y));
    return picture;
  }
};

}  // namespace

TEST_F(SkinnedButtonsTest, HoveringExecuteFadesItToItsHotPictureAndLeavingFadesItBack) {
  TForm1* jugs = session.Program().JugsWindow();
  auto* execute = dynamic_cast<TsBitBtn*>(session.Control(jugs, "sBitBtn1"));
  ASSERT_NE(execute, nullptr);
  ASSERT_TRUE(execute->SkinData().Skinned()) << "the built-in skin paints it";
  // With the focus on another button Enter would not press "ВЫПОЛНИТЬ", so
  // only the mouse makes it hot.
  auto* clear = dynamic_cast<TsButton*>(session.Control(jugs, "sButton1"));
  ASSERT_NE(clear, nullptr);
  clear->SetFocus();
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

// Enter with the pointer resting on "Очистить" starts the replay (the
// focus is on the command picker, so "ВЫПОЛНИТЬ" is the button Enter
// presses); the pointer leaves "Очистить" while its panel is disabled. Once
// the replay is over it shows its normal picture again, and a new hover
// fades it as the first one did.
TEST_F(SkinnedButtonsTest, AButtonLeftDuringAReplayIsNormalAgainAfterIt) {
  TForm1* jugs = session.Program().JugsWindow();
  auto* clear = dynamic_cast<TsButton*>(session.Control(jugs, "sButton1"));
  ASSERT_NE(clear, nullptr);
  session.Choose(jugs, 1);
  MoveAway(jugs);
  driver().runFor(300);
  ASSERT_EQ(clear->StateIndex(), 0);
  const Bitmap normal = Picture(clear);

  MoveOnto(clear);
  driver().runFor(300);
  ASSERT_EQ(clear->StateIndex(), 1) << "hot under the pointer";
  driver().pressKey(VK_RETURN);
  ASSERT_FALSE(session.PanelEnabled(jugs)) << "Enter started the replay";
  MoveAway(jugs);
  driver().runFor(30);
  session.Run(5000);
  session.TakeMessages();
  ASSERT_TRUE(session.PanelEnabled(jugs)) << "the replay is over";
  driver().runFor(300);
  EXPECT_FALSE(clear->SkinData().MouseAbove()) << "the pointer left it";
  EXPECT_EQ(clear->StateIndex(), 0);
  EXPECT_TRUE(SamePicture(Picture(clear), normal)) << "its normal picture, not the hot one";

  MoveOnto(clear);
  EXPECT_TRUE(clear->Fade()) << "a new hover fades again";
  driver().runFor(300);
  EXPECT_EQ(clear->StateIndex(), 1);
}

// One rule for every skinned button of the panel: inside the disabled
// panel "Убрать" looks disabled like "Очистить" and "ВЫПОЛНИТЬ", and the
// pointer over it starts no animation.
TEST_F(SkinnedButtonsTest, DuringAReplayTheRemoveButtonLooksDisabledLikeItsNeighbours) {
  TForm1* jugs = session.Program().JugsWindow();
  auto* remove = dynamic_cast<TsSpeedButton*>(session.Control(jugs, "sSpeedButton1"));
  ASSERT_NE(remove, nullptr);
  session.Choose(jugs, 1);
  MoveAway(jugs);
  driver().runFor(300);
  const Bitmap enabled = WindowlessPicture(remove);
  session.Execute(jugs);
  MoveAway(jugs);
  driver().runFor(30);
  ASSERT_FALSE(session.PanelEnabled(jugs)) << "the replay runs";
  const Bitmap during = WindowlessPicture(remove);
  EXPECT_FALSE(SamePicture(during, enabled)) << "blended with the panel like its neighbours";
  // The blend lightens the dark caption toward the panel behind it.
  int darkBefore = 0, darkAfter = 0;
  for (int y = 0; y < enabled.height(); ++y)
    for (int x = 0; x < enabled.width(); ++x) {
      darkBefore += (enabled.pixel(x, y) & 0xFF) < 0x60;
      darkAfter += (during.pixel(x, y) & 0xFF) < 0x60;
    }
  EXPECT_LT(darkAfter, darkBefore);

  const TPoint middle = remove->ClientToScreen({remove->Width() / 2, remove->Height() / 2});
  driver().moveTo({middle.X, middle.Y});
  EXPECT_FALSE(remove->Animation()) << "no hover animation on a button that cannot be used";
  EXPECT_EQ(remove->StateIndex(), 0);
  MoveAway(jugs);
  session.Run(5000);
  session.TakeMessages();
  driver().runFor(300);
  EXPECT_TRUE(SamePicture(WindowlessPicture(remove), enabled)) << "after the replay it is itself again";
}

// The first click on a tilt button, which has not the focus yet, fades to
// the pressed picture in half the skin's frames.
TEST_F(SkinnedButtonsTest, TheFirstClickOnATiltButtonShowsThePressFade) {
  TForm3* tube = session.Program().TubeWindow();
  tube->Show();
  session.Program().JugsWindow()->Hide();
  driver().runUntilIdle();
  auto* tilt = dynamic_cast<TsButton*>(session.Control(tube, "sButton2"));
  ASSERT_NE(tilt, nullptr);
  ASSERT_FALSE(tilt->Focused());
  MoveOnto(tilt);
  driver().runFor(300);
  ASSERT_FALSE(tilt->Fade());
  const POINT middle = driver().clientToScreen(tilt->Handle(), {tilt->Width() / 2, tilt->Height() / 2});
  driver().press(middle);
  ASSERT_TRUE(tilt->Fade()) << "the press fades";
  const TsGeneralData* section = tilt->SkinData().Section();
  ASSERT_NE(section, nullptr);
  EXPECT_EQ(tilt->Fade()->FadeLength, section->FadingIterations / 2);
  driver().runFor(30);
  const Bitmap middleFrame = Picture(tilt);
  driver().runFor(200);
  EXPECT_FALSE(tilt->Fade());
  EXPECT_FALSE(SamePicture(middleFrame, Picture(tilt))) << "a frame on the way, not the pressed picture at once";
  driver().release(middle);
  driver().runFor(300);
}

// "ВЫПОЛНИТЬ" shows that it is the button Enter presses: hot while the
// focus is on a control that is not a button, normal while another button
// has the focus (that one is then the hot one), and hot again when the
// focus comes back to the list.
TEST_F(SkinnedButtonsTest, ExecuteShowsItIsTheButtonEnterPresses) {
  TForm1* jugs = session.Program().JugsWindow();
  auto* execute = dynamic_cast<TsBitBtn*>(session.Control(jugs, "sBitBtn1"));
  auto* clear = dynamic_cast<TsButton*>(session.Control(jugs, "sButton1"));
  auto* list = dynamic_cast<TWinControl*>(session.Control(jugs, "sListBox1"));
  ASSERT_NE(execute, nullptr);
  ASSERT_NE(clear, nullptr);
  ASSERT_NE(list, nullptr);
  MoveAway(jugs);
  list->SetFocus();
  driver().runFor(300);
  EXPECT_EQ(execute->StateIndex(), 1) << "the focus is on the list: Enter presses it";
  const Bitmap asDefault = Picture(execute);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtr(execute->Handle(), GWL_STYLE)) & BS_TYPEMASK, BS_OWNERDRAW);

  clear->SetFocus();
  driver().runFor(300);
  EXPECT_EQ(execute->StateIndex(), 0);
  EXPECT_EQ(clear->StateIndex(), 1);
  EXPECT_FALSE(SamePicture(Picture(execute), asDefault));
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtr(clear->Handle(), GWL_STYLE)) & BS_TYPEMASK, BS_OWNERDRAW)
      << "a skinned button keeps its owner-drawn window";

  list->SetFocus();
  driver().runFor(300);
  EXPECT_EQ(execute->StateIndex(), 1);
  EXPECT_EQ(clear->StateIndex(), 0);
  EXPECT_TRUE(SamePicture(Picture(execute), asDefault));
}
