// The river-crossing window: the crossing solved with the picker, each rule
// and refusal message in its order, the pictures on the banks, and closing
// the window ending the program.
#include <gtest/gtest.h>

#include "framework/TApplication.h"
#include "framework/controls/TImage.h"
#include "framework/controls/TListBox.h"
#include "puzzles/TForm1.h"
#include "puzzles/TForm2.h"
#include "puzzles/TForm3.h"
#include "tests/app/TrainerSession.h"

namespace {

enum RiverCommand { Goat, Wolf, Cabbage, Alone };

class RiverWindowTest : public ::testing::Test {
 protected:
  RiverWindowTest() {
    // As the jugs window hands over once its third stage is solved.
    session.Program().RiverWindow()->Show();
    session.Program().JugsWindow()->Hide();
    session.Driver().runUntilIdle();
  }
  TForm2* river() { return session.Program().RiverWindow(); }

  std::vector<std::string> replay(std::initializer_list<RiverCommand> commands) {
    for (RiverCommand c : commands) session.Choose(river(), c);
    session.Execute(river());
    session.Run(50 + 2000 * static_cast<unsigned>(commands.size()));
    return session.TakeMessages();
  }
  TRect place(TImage* picture) { return picture->BoundsRect(); }

  TrainerSession session;
};

TEST_F(RiverWindowTest, TheSevenCrossingsSolveItAndTheTubeWindowTakesOver) {
  EXPECT_EQ(session.Control(river(), "sComboBox1")->Caption(), "Выберите, кого перевезти");
  for (RiverCommand c : {Goat, Alone, Wolf, Goat, Cabbage, Alone, Goat}) session.Choose(river(), c);
  session.Execute(river());
  session.Run(50 + 2000 * 5 + 10);
  EXPECT_TRUE(session.Messages().empty());
  EXPECT_EQ(session.SelectedLine(river()), 5);
  session.Run(2000);
  ASSERT_EQ(session.Messages().size(), 1u);
  EXPECT_EQ(session.Messages()[0].Text, "Отлично! Ты справился!");
  EXPECT_FALSE(session.Messages()[0].ReplayTimerRunning);
  EXPECT_EQ(session.VisibleWindows(), std::vector<TCustomForm*>{session.Program().TubeWindow()});
  // Everybody on the far bank, in the smaller far-bank places.
  EXPECT_EQ(place(river()->Image4), Bounds(320, 272, 50, 50));
  EXPECT_EQ(place(river()->Image5), Bounds(345, 300, 25, 25));
  EXPECT_EQ(place(river()->Image3), Bounds(370, 280, 60, 40));
  EXPECT_EQ(place(river()->Image1), Bounds(320, 310, 75, 60));
}

TEST_F(RiverWindowTest, EachBrokenRuleStopsTheReplayWithItsMessages) {
  // The wolf goes first: the goat eats the cabbage.
  EXPECT_EQ(replay({Wolf, Goat}), std::vector<std::string>{"НЕВЕРНО! Коза съела капусту!"});
  EXPECT_EQ(session.SelectedLine(river()), 0) << "stopped after the first line";
  EXPECT_TRUE(session.PanelEnabled(river()));
  EXPECT_EQ(place(river()->Image3), Bounds(370, 280, 60, 40)) << "the wolf is shown across";
  EXPECT_EQ(place(river()->Image4), Bounds(24, 376, 105, 97)) << "the goat stays behind";
  session.Click(river(), "sButton1");

  // The old man leaves all three: both messages, the goat's first.
  EXPECT_EQ(replay({Alone}), (std::vector<std::string>{"НЕВЕРНО! Коза съела капусту!", "ТРАГЕДИЯ! Волк сожрал Козу!"}));
  session.Click(river(), "sButton1");
  EXPECT_EQ(replay({Cabbage}), std::vector<std::string>{"ТРАГЕДИЯ! Волк сожрал Козу!"});
  session.Click(river(), "sButton1");

  // Nobody to take: the refusal, and nothing moves.
  EXPECT_EQ(replay({Goat, Wolf, Goat}), std::vector<std::string>{"ДЕД: На этом берегу нету Волка!"});
  EXPECT_EQ(session.SelectedLine(river()), 1);
  EXPECT_EQ(place(river()->Image3), Bounds(152, 408, 137, 89));
  EXPECT_EQ(place(river()->Image4), Bounds(320, 272, 50, 50));
  for (const SeenMessage& m : session.Messages()) EXPECT_FALSE(m.ReplayTimerRunning) << m.Text;
  session.Run(5000);
  EXPECT_TRUE(session.TakeMessages().empty()) << "the replay stays stopped";

  // Clear puts the pictures back on the start bank.
  session.Click(river(), "sButton1");
  EXPECT_EQ(place(river()->Image4), Bounds(24, 376, 105, 97));
  EXPECT_EQ(place(river()->Image1), Bounds(224, 320, 137, 105));
  EXPECT_TRUE(session.Lines(river()).empty());
}

TEST_F(RiverWindowTest, TakingTheGoatTwiceBringsHerBack) {
  // The same entry chosen twice in a row appends two identical lines.
  session.Choose(river(), Goat);
  session.Choose(river(), Goat);
  ASSERT_EQ(session.Lines(river()), (std::vector<std::string>{"Перевезти Козу", "Перевезти Козу"}));
  session.Execute(river());
  session.Run(50 + 2000 * 2);
  EXPECT_TRUE(session.Messages().empty());
  EXPECT_EQ(place(river()->Image4), Bounds(24, 376, 105, 97));
  EXPECT_EQ(place(river()->Image1), Bounds(224, 320, 137, 105));
}

TEST_F(RiverWindowTest, ClosingTheRiverWindowEndsTheProgram) {
  SendMessage(river()->Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(session.Program().Application().Terminated());
  session.Driver().runUntilIdle();
  EXPECT_TRUE(session.Driver().quitSeen());
  EXPECT_FALSE(std::filesystem::exists(session.WorkDir().path() / "res.txt")) << "nothing written";
}

}  // namespace
