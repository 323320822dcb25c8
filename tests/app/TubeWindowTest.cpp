// The tube window: the algorithm written with the four direct buttons, the
// 56-line solution rolling every yellow ball out, the green-ball failure,
// the balls on screen and closing the window ending the program.
#include <gtest/gtest.h>

#include "app/TForm4.h"
#include "framework/TApplication.h"
#include "framework/controls/TListBox.h"
#include "framework/controls/TShape.h"
#include "framework/controls/TSpinEdit.h"
#include "platform/controls/ControlMessages.h"
#include "puzzles/TForm1.h"
#include "puzzles/TForm3.h"
#include "tests/app/TrainerSession.h"

namespace {

// The direct command buttons.
constexpr const char* kUp = "sButton2";
constexpr const char* kLeft = "sButton3";
constexpr const char* kRight = "sButton4";
constexpr const char* kDown = "sButton5";

class TubeWindowTest : public ::testing::Test {
 protected:
  TubeWindowTest() {
    // As the river window hands over once the crossing is solved.
    session.Program().TubeWindow()->Show();
    session.Program().JugsWindow()->Hide();
    session.Driver().runUntilIdle();
  }
  TForm3* tube() { return session.Program().TubeWindow(); }

  void press(const char* button, int times = 1) {
    for (int i = 0; i < times; ++i) session.Click(tube(), button);
  }

  // The balls as the shapes show them: Y, G or '.' for cells 1 to 16, then the niche.
  std::string shown() {
    std::string text;
    for (int place = 1; place <= TForm3::kBallPlaces; ++place) {
      const bool yellow = tube()->BallShape(place)->Visible();
      const bool green = tube()->BallShape(place + TForm3::kBallPlaces)->Visible();
      text += yellow && green ? '!' : yellow ? 'Y' : green ? 'G' : '.';
    }
    return text;
  }

  TrainerSession session;
};

TEST_F(TubeWindowTest, DirectButtonsAppendAndSelectTheirCommands) {
  EXPECT_EQ(shown(), "...YYYY.GGGG.....") << "the start layout from creation";
  press(kUp);
  press(kDown);
  press(kRight);
  press(kLeft);
  EXPECT_EQ(session.Lines(tube()), (std::vector<std::string>{"Наклонить трубку ВВЕРХ", "Наклонить трубку ВНИЗ",
                                                             "Наклонить трубку ВПРАВО >", "Наклонить трубку ВЛЕВО <"}));
  EXPECT_EQ(session.SelectedLine(tube()), 3);
  EXPECT_EQ(shown(), "...YYYY.GGGG.....") << "buttons only write the algorithm";
  session.Click(tube(), "sSpeedButton1");
  EXPECT_EQ(session.Lines(tube()).size(), 3u);
  EXPECT_EQ(session.SelectedLine(tube()), -1);
  session.Click(tube(), "sButton1");
  EXPECT_TRUE(session.Lines(tube()).empty());
}

TEST_F(TubeWindowTest, TheFiftySixTiltsRollEveryYellowBallOutAndHandOver) {
  press(kLeft);
  for (int round = 5; round <= 7; ++round) {
    press(kUp);
    press(kRight, round);
    press(kDown);
    press(kLeft, round);
  }
  press(kUp);
  press(kRight, 12);
  ASSERT_EQ(session.Lines(tube()).size(), 56u);

  session.Execute(tube());
  EXPECT_EQ(shown(), "...YYYY.GGGG.....") << "execute shows the start layout at once";
  session.Run(60);
  EXPECT_EQ(shown(), "...YYYYGGGG......") << "first tick: tilt left";
  EXPECT_EQ(session.SelectedLine(tube()), 0);
  // Each later tick follows the delay field's 1000 ms; the last one rolls the
  // last yellow ball out and the exit timer reports success 200 ms later.
  session.Run(1000 * 55);
  EXPECT_TRUE(session.Messages().empty());
  EXPECT_EQ(shown().substr(15), "YG") << "the last yellow ball is shown in the exit cell";
  session.Run(200);
  ASSERT_EQ(session.Messages().size(), 1u);
  EXPECT_EQ(session.Messages()[0].Text, "Отлично! Всё! :)");
  EXPECT_FALSE(session.Messages()[0].ReplayTimerRunning);
  EXPECT_EQ(shown(), "............GGG.G");
  EXPECT_EQ(session.VisibleWindows(), std::vector<TCustomForm*>{session.Program().NameWindow()});
}

TEST_F(TubeWindowTest, AGreenBallFallingOutStopsTheReplayAndStaysInTheExit) {
  press(kRight, 6);
  session.Execute(tube());
  session.Run(50 + 1000 * 3 + 210);
  EXPECT_EQ(shown(), ".......YYYYGGGG..") << "four tilts: the balls against the exit";
  session.Run(1000);
  ASSERT_EQ(session.Messages().size(), 1u);
  EXPECT_EQ(session.Messages()[0].Text, "ОШИБКА: У вас выпал ЗЕЛЁНЫЙ шарик.");
  EXPECT_FALSE(session.Messages()[0].ReplayTimerRunning) << "both timers stop before the message";
  EXPECT_EQ(session.SelectedLine(tube()), 4);
  session.Run(5000);
  EXPECT_EQ(session.Messages().size(), 1u) << "the sixth line never runs";
  EXPECT_EQ(shown(), "........YYYYGGGG.") << "the green ball stays in the exit cell";
  EXPECT_TRUE(session.PanelEnabled(tube()));
}

TEST_F(TubeWindowTest, TheDelayFieldIsReadAgainAtEveryTick) {
  press(kUp, 4);
  session.Execute(tube());
  session.Run(60);
  ASSERT_EQ(session.SelectedLine(tube()), 0);
  // Changed during the replay: the tick after next comes 300 ms later.
  tube()->SpinEdit1->SetText("300");
  session.Run(1000);
  EXPECT_EQ(session.SelectedLine(tube()), 1);
  session.Run(280);
  EXPECT_EQ(session.SelectedLine(tube()), 1);
  session.Run(30);
  EXPECT_EQ(session.SelectedLine(tube()), 2);
  // Text that is no number counts as 300 too.
  tube()->SpinEdit1->SetText("x");
  session.Run(300);
  EXPECT_EQ(session.SelectedLine(tube()), 3);
  EXPECT_FALSE(session.StepTimerOn(tube()));
}

TEST_F(TubeWindowTest, EmptyListMessageAfterTheTubeReset) {
  press(kLeft);
  session.Execute(tube());
  session.Run(50 + 210);
  EXPECT_EQ(shown(), "...YYYYGGGG......");
  session.Click(tube(), "sButton1");
  EXPECT_EQ(shown(), "...YYYY.GGGG.....");
  session.Execute(tube());
  session.Run(2000);
  EXPECT_EQ(session.TakeMessages(), std::vector<std::string>{"Дык нечего выполнять :)"});
  EXPECT_FALSE(session.StepTimerOn(tube()));
}

TEST_F(TubeWindowTest, ClosingTheTubeWindowEndsTheProgram) {
  SendMessage(tube()->Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(session.Program().Application().Terminated());
  session.Driver().runUntilIdle();
  EXPECT_TRUE(session.Driver().quitSeen());
}

}  // namespace

namespace {

class TubeDelayFieldTest : public TubeWindowTest {
 protected:
  TSpinEdit* field() { return tube()->SpinEdit1; }
  // Clicks into the field, selects its text and types over it.
  void typeIntoTheField(const std::string& text) {
    session.Driver().clickClient(field()->Handle(), {5, field()->Height() / 2});
    SendMessage(field()->Handle(), EM_SETSEL, 0, -1);
    session.Driver().typeText(text);
  }
  void clickTheCommandList() { session.Driver().clickClient(tube()->sListBox1->Handle(), {20, 150}); }
  // Milliseconds from now until the highlighted line moves on (at most `limit`).
  unsigned untilTheNextLine(unsigned limit = 20000) {
    const int line = session.SelectedLine(tube());
    for (unsigned ms = 1; ms <= limit; ++ms) {
      session.Run(1);
      if (session.SelectedLine(tube()) != line) return ms;
    }
    return 0;
  }
};

TEST_F(TubeDelayFieldTest, LeavingTheFieldBringsTheDelayIntoRangeAndTheReplayFollowsIt) {
  press(kUp, 4);
  typeIntoTheField("50");
  EXPECT_EQ(field()->CurrentText(), "50") << "the text stays as typed while it has the focus";
  clickTheCommandList();
  EXPECT_EQ(field()->CurrentText(), "300");
  session.Execute(tube());
  session.Run(50);
  ASSERT_EQ(session.SelectedLine(tube()), 0);
  EXPECT_EQ(untilTheNextLine(), 300u);

  // Above the maximum, left with Tab while the replay runs.
  typeIntoTheField("10000");
  session.Driver().pressKey(VK_TAB);
  EXPECT_EQ(field()->CurrentText(), "1000");
  EXPECT_NE(GetFocus(), field()->Handle());
  untilTheNextLine();  // the tick that was due at the old interval
  EXPECT_EQ(untilTheNextLine(), 1000u);
}

TEST_F(TubeDelayFieldTest, TextThatIsNoIntegerCountsAsTheMinimumOnceLeft) {
  for (const char* typed : {"abc", "", "12x", "+-5"}) {
    SCOPED_TRACE(typed);
    typeIntoTheField(typed);
    clickTheCommandList();
    EXPECT_EQ(field()->CurrentText(), "300");
  }
  typeIntoTheField("+700");
  clickTheCommandList();
  EXPECT_EQ(field()->CurrentText(), "700") << "a plus sign belongs to an integer";
  typeIntoTheField("-5");
  clickTheCommandList();
  EXPECT_EQ(field()->CurrentText(), "300");
}

TEST_F(TubeDelayFieldTest, WhileTheFieldHasTheFocusItsTextIsReadAsTyped) {
  press(kUp, 3);
  session.Execute(tube());
  session.Run(50);
  ASSERT_EQ(session.SelectedLine(tube()), 0);
  typeIntoTheField("500");
  ASSERT_EQ(GetFocus(), field()->Handle());
  untilTheNextLine();  // due at the 1000 ms the field held before
  EXPECT_EQ(untilTheNextLine(), 500u);
}

}  // namespace
