// Hints in the real program: the comics bubble over the remove button of the
// jugs window, gone after the manager's hide pause, and the delay field's
// hint in the tube window.
#include <gtest/gtest.h>

#include "controls/hints/TsComicsHintWindow.h"
#include "framework/TApplication.h"
#include "framework/TControl.h"
#include "puzzles/TForm1.h"
#include "puzzles/TForm3.h"
#include "tests/app/TrainerSession.h"

namespace {

class HintsTest : public ::testing::Test {
 protected:
  void Hover(TCustomForm* window, const char* name) {
    TControl* control = session.Control(window, name);
    ASSERT_NE(control, nullptr) << name;
    const TPoint p = control->ClientToScreen({control->Width() / 2, control->Height() / 2});
    session.Driver().moveTo({p.X, p.Y});
  }
  void Away(TCustomForm* window) {
    const TPoint p = window->ClientToScreen({5, 5});
    session.Driver().moveTo({p.X, p.Y});
  }
  THintWindow* Hint() { return Application->Hints()->HintWindow(); }
  bool HintShown() { return Hint() && Hint()->HandleAllocated() && IsWindowVisible(Hint()->Handle()); }

  TrainerSession session;
};

TEST_F(HintsTest, TheRemoveButtonShowsTheComicsHintUntilThePauseHide) {
  TForm1* jugs = session.Program().JugsWindow();
  Away(jugs);
  Hover(jugs, "sSpeedButton1");
  session.Run(499);
  EXPECT_FALSE(HintShown());
  session.Run(1);
  ASSERT_TRUE(HintShown());
  EXPECT_NE(dynamic_cast<TsComicsHintWindow*>(Hint()), nullptr);
  EXPECT_EQ(Hint()->Caption(), "Убрать выбранную команду");
  session.Run(8 * 31);
  BYTE alpha = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(Hint()->Handle(), nullptr, &alpha, nullptr));
  EXPECT_EQ(alpha, 235);
  session.Run(5000 - 8 * 31 - 1);
  EXPECT_TRUE(HintShown());
  session.Run(1);
  EXPECT_FALSE(HintShown()) << "PauseHide is 5000 ms";
}

TEST_F(HintsTest, TheDelayFieldOfTheTubeWindowShowsItsHint) {
  TForm3* tube = session.Program().TubeWindow();
  tube->Show();
  session.Program().JugsWindow()->Hide();
  session.Driver().runUntilIdle();
  Away(tube);
  Hover(tube, "SpinEdit1");
  session.Run(500);
  ASSERT_TRUE(HintShown());
  EXPECT_NE(dynamic_cast<TsComicsHintWindow*>(Hint()), nullptr);
  EXPECT_EQ(Hint()->Caption(), "Задержка");
}

}  // namespace
