// The tube and balls: tilts, the niche, the exit cell and its timer, the
// green-ball failure and the 56-line solution.
#include <gtest/gtest.h>

#include "puzzles/TubePuzzle.h"
#include "tests/puzzles/TaskWindowDouble.h"

namespace {

using Kind = ReplayAction::Kind;
using T = TubePuzzle;

std::string nicheText(const TubePuzzle& tube) {
  return tube.niche() == Ball::Yellow ? "Y" : tube.niche() == Ball::Green ? "G" : ".";
}

struct TubeWindow {
  StepCursor cursor;
  TubePuzzle tube;
  TaskWindowDouble window{tube, cursor, &tube};

  void add(std::string_view line, int times = 1) {
    for (int i = 0; i < times; ++i) window.list.appendAndSelect(line);
  }
  const TubeView& shown() const { return std::get<TubeView>(window.shown); }

  // The solution: each round lifts the next green ball past the yellow ones.
  void addSolution() {
    add(T::kTiltLeft);
    add(T::kTiltUp);
    for (int round = 5; round <= 7; ++round) {
      add(T::kTiltRight, round);
      add(T::kTiltDown);
      add(T::kTiltLeft, round);
      add(T::kTiltUp);
    }
    add(T::kTiltRight, 12);
  }
};

TEST(TubePuzzle, StartLayout) {
  TubePuzzle tube;
  EXPECT_EQ(tube.view().cellsText(), "...YYYY.GGGG....");
  EXPECT_EQ(tube.niche(), Ball::Empty);
  EXPECT_FALSE(tube.solved());
}

TEST(TubePuzzle, SingleTiltsFromTheStart) {
  struct Case {
    void (TubePuzzle::*tilt)();
    const char* cells;
    const char* niche;
  };
  const Case cases[] = {
      {&T::tiltRight, "....YYYYGGGG....", "."},  // the yellow block rolls into the gap
      {&T::tiltLeft, "...YYYYGGGG.....", "."},   // the green block rolls into the gap
      {&T::tiltUp, "...YYYY.GGGG....", "."},     // cell 8 is empty: nothing to lift
      {&T::tiltDown, "...YYYY.GGGG....", "."},   // empty niche drops nothing
  };
  for (const Case& c : cases) {
    TubePuzzle tube;
    (tube.*c.tilt)();
    EXPECT_EQ(tube.view().cellsText(), c.cells);
    EXPECT_EQ(nicheText(tube), c.niche);
  }
}

TEST(TubePuzzle, TheNicheLiftsAndDropsOneBall) {
  TubePuzzle tube;
  tube.tiltLeft();
  tube.tiltUp();
  EXPECT_EQ(tube.view().cellsText(), "...YYYY.GGG.....");
  EXPECT_EQ(tube.niche(), Ball::Green);

  // A full niche takes nothing more.
  tube.tiltRight();
  EXPECT_EQ(tube.view().cellsText(), "....YYYYGGG.....");
  tube.tiltUp();
  EXPECT_EQ(tube.view().cellsText(), "....YYYYGGG.....");
  EXPECT_EQ(tube.niche(), Ball::Green);
  // Cell 8 occupied: the niche cannot drop its ball.
  tube.tiltDown();
  EXPECT_EQ(tube.niche(), Ball::Green);

  // The yellow ball under the niche rolls on; now the niche can drop.
  tube.tiltLeft();
  EXPECT_EQ(tube.view().cellsText(), "...YYYYGGG......");
  tube.tiltLeft();
  tube.tiltLeft();
  tube.tiltLeft();
  EXPECT_EQ(tube.view().cellsText(), "YYYYGGG.........");
  tube.tiltDown();
  EXPECT_EQ(tube.view().cellsText(), "YYYYGGGG........");
  EXPECT_EQ(tube.niche(), Ball::Empty);

  // Against the closed end a tilt left changes nothing.
  tube.tiltLeft();
  EXPECT_EQ(tube.view().cellsText(), "YYYYGGGG........");
}

TEST(TubePuzzle, TiltRightRollsEverythingAndLosesWhatLeftTheExit) {
  TubePuzzle tube;
  for (int i = 0; i < 4; ++i) tube.tiltRight();
  EXPECT_EQ(tube.view().cellsText(), ".......YYYYGGGG.");
  tube.tiltRight();
  EXPECT_EQ(tube.view().cellsText(), "........YYYYGGGG");
  // The ball in the exit cell is gone; the next one takes its place.
  tube.tiltRight();
  EXPECT_EQ(tube.view().cellsText(), ".........YYYYGGG");
  // Tilting left pulls the rest back from the exit.
  tube.tiltLeft();
  EXPECT_EQ(tube.view().cellsText(), "........YYYYGGG.");
}

TEST(TubePuzzle, TiltRightClosesAGapByRollingTheExitSideBack) {
  TubePuzzle tube;
  tube.tiltRight();
  tube.tiltRight();
  tube.tiltRight();
  tube.tiltUp();
  ASSERT_EQ(tube.view().cellsText(), "......Y.YYGGGG..");
  ASSERT_EQ(tube.niche(), Ball::Yellow);
  // The shift leaves .......Y.YYGGGG.; the balls after the gap roll back into it.
  tube.tiltRight();
  EXPECT_EQ(tube.view().cellsText(), ".......YYYGGGG..");
}

TEST(TubePuzzle, TiltLeftClosesAGapByRollingTheClosedEndSideBack) {
  TubePuzzle tube;
  tube.tiltLeft();
  tube.tiltLeft();
  tube.tiltLeft();
  tube.tiltUp();
  ASSERT_EQ(tube.view().cellsText(), ".YYYYGG.G.......");
  // The shift leaves YYYYGG.G; the balls before the gap then roll back into it.
  tube.tiltLeft();
  EXPECT_EQ(tube.view().cellsText(), ".YYYYGGG........");
  EXPECT_EQ(tube.niche(), Ball::Green);
}

TEST(TubePuzzle, FiveTiltsRightDropAGreenBall) {
  TubeWindow w;
  w.add(T::kTiltRight, 5);
  w.window.run();
  EXPECT_EQ(w.window.ticks, 5);
  EXPECT_EQ(w.window.messages, std::vector<std::string>{"ОШИБКА: У вас выпал ЗЕЛЁНЫЙ шарик."});
  EXPECT_EQ(w.window.messagesWithTimerRunning, 0);
  EXPECT_TRUE(w.window.panelEnabled);
  // The green ball stays drawn in the exit cell.
  EXPECT_EQ(w.shown().cell(kExitCell), Ball::Green);
  EXPECT_EQ(w.tube.cell(kExitCell), Ball::Green);
}

TEST(TubePuzzle, GreenBallStopsTheReplayBeforeLaterLines) {
  TubeWindow w;
  w.add(T::kTiltRight, 5);
  w.add(T::kTiltLeft, 3);
  w.window.run();
  EXPECT_EQ(w.window.ticks, 5);
  EXPECT_FALSE(w.window.timerOn);
  EXPECT_FALSE(w.window.exitTimerOn);
  EXPECT_EQ(w.window.list.selected(), 4);
}

TEST(TubePuzzle, FiftySixLinesRollEveryYellowBallOut) {
  TubeWindow w;
  w.addSolution();
  ASSERT_EQ(w.window.list.count(), 56u);

  w.window.run();
  EXPECT_EQ(w.window.ticks, 56);
  EXPECT_EQ(w.tube.view().cellsText(), "............GGG.");
  EXPECT_EQ(w.tube.niche(), Ball::Green);
  EXPECT_TRUE(w.tube.solved());
  EXPECT_EQ(w.window.messages, std::vector<std::string>{"Отлично! Всё! :)"});
  EXPECT_EQ(w.window.messagesWithTimerRunning, 0);
  EXPECT_TRUE(w.window.nextWindowShown);
  EXPECT_FALSE(w.window.visible);
}

TEST(TubePuzzle, AYellowBallIsSeenInTheExitUntilTheExitTick) {
  TubeWindow w;
  w.addSolution();
  w.window.clickExecute();
  int yellowsOut = 0;
  while (w.window.timerOn) {
    w.window.apply(w.window.replay.tick(w.window.list.lines()));
    ASSERT_TRUE(w.window.exitTimerOn);
    if (w.tube.cell(kExitCell) == Ball::Yellow) {
      ++yellowsOut;
      EXPECT_EQ(w.shown().cell(kExitCell), Ball::Yellow);
    }
    ReplayScript exit = w.tube.exitTick();
    EXPECT_EQ(exit.actions().front().kind, Kind::StopExitTimer);
    w.window.apply(exit);
    EXPECT_EQ(w.shown().cell(kExitCell), Ball::Empty);
    EXPECT_FALSE(w.window.exitTimerOn);
  }
  EXPECT_EQ(yellowsOut, 4);
  // Success came with the exit tick after the last line, not before.
  EXPECT_EQ(w.window.list.selected(), 55);
  EXPECT_EQ(w.window.messages, std::vector<std::string>{"Отлично! Всё! :)"});
}

TEST(TubePuzzle, ExecuteShowsTheStartLayoutAtOnce) {
  TubeWindow w;
  w.add(T::kTiltRight, 2);
  w.window.run();
  ASSERT_EQ(w.shown().cellsText(), ".....YYYYGGGG...");

  w.window.clickExecute();
  EXPECT_EQ(w.shown().cellsText(), "...YYYY.GGGG....");
  // Even with nothing to run, the reset comes before the complaint.
  w.window.clickClear();
  w.tube.tiltLeft();
  w.window.clickExecute();
  EXPECT_EQ(w.shown().cellsText(), "...YYYY.GGGG....");
  EXPECT_EQ(w.window.messages, std::vector<std::string>{"Дык нечего выполнять :)"});
}

TEST(TubePuzzle, ClearEmptiesTheListAndResetsTheTube) {
  TubeWindow w;
  w.add(T::kTiltRight, 5);
  w.window.run();
  w.window.clickClear();
  EXPECT_EQ(w.window.list.count(), 0u);
  EXPECT_EQ(w.shown().cellsText(), "...YYYY.GGGG....");
  EXPECT_EQ(w.shown().niche, Ball::Empty);
}

TEST(TubePuzzle, StepIntervalFollowsTheDelayField) {
  TubeWindow w;
  w.add(T::kTiltLeft, 3);
  w.window.clickExecute();
  EXPECT_EQ(w.window.interval, 50);
  w.window.stepTick();
  EXPECT_EQ(w.window.interval, 1000);
  w.tube.setDelay(T::DelayFromText("450"));  // changed during the replay
  w.window.stepTick();
  EXPECT_EQ(w.window.interval, 450);
  w.tube.setDelay(0);  // half-typed: a timer cannot run with no interval
  w.window.stepTick();
  EXPECT_GE(w.window.interval, 1);
}

TEST(TubePuzzle, DelayFieldText) {
  EXPECT_EQ(T::DelayFromText("1000"), 1000);
  EXPECT_EQ(T::DelayFromText("+700"), 700);
  EXPECT_EQ(T::DelayFromText("25"), 25);  // not yet brought into range
  EXPECT_EQ(T::DelayFromText(""), 300);
  EXPECT_EQ(T::DelayFromText("5x"), 300);
  EXPECT_EQ(T::DelayFromText("+-5"), 300);
  EXPECT_EQ(T::DelayFromText("99999999999"), 300);
}

}  // namespace
