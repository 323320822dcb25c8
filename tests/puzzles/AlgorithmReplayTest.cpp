// The editor and replay shared by the task windows: execute, clear, the tick
// order and how a replay ends. Driven through the jugs and river puzzles.
#include <gtest/gtest.h>

#include "puzzles/JugsPuzzle.h"
#include "puzzles/RiverPuzzle.h"
#include "tests/puzzles/TaskWindowDouble.h"

namespace {

using Kind = ReplayAction::Kind;

std::vector<Kind> kindsOf(const ReplayScript& script) {
  std::vector<Kind> kinds;
  for (const ReplayAction& a : script) kinds.push_back(a.kind);
  return kinds;
}

TEST(AlgorithmReplay, ExecuteWithEmptyListOnlyComplains) {
  StepCursor cursor;
  JugsPuzzle jugs;
  TaskWindowDouble window(jugs, cursor);
  window.run();
  EXPECT_EQ(window.messages, std::vector<std::string>{"Дык нечего выполнять :)"});
  EXPECT_FALSE(window.timerOn);
  EXPECT_TRUE(window.panelEnabled);
  EXPECT_EQ(window.ticks, 0);
  // The replay reset and the short first interval happened before the complaint.
  EXPECT_EQ(window.interval, 50);
}

TEST(AlgorithmReplay, ExecuteStartsAShortFirstTickThenTheStepInterval) {
  StepCursor cursor;
  JugsPuzzle jugs;
  TaskWindowDouble window(jugs, cursor);
  window.add({JugsPuzzle::kFill1, JugsPuzzle::kEmpty1, JugsPuzzle::kFill1});
  window.clickExecute();
  EXPECT_TRUE(window.timerOn);
  EXPECT_FALSE(window.panelEnabled);
  EXPECT_EQ(window.interval, 50);

  ReplayScript first = window.replay.tick(window.list.lines());
  ASSERT_FALSE(first.empty());
  EXPECT_EQ(first.actions().front().kind, Kind::SetInterval);
  EXPECT_EQ(first.actions().front().number, 2000);
  // Later ticks leave the interval alone.
  ReplayScript second = window.replay.tick(window.list.lines());
  EXPECT_FALSE(second.contains(Kind::SetInterval));
}

TEST(AlgorithmReplay, SingleLineStopsInItsOwnTickBeforeTheOutcomeMessages) {
  StepCursor cursor;
  RiverPuzzle river;
  TaskWindowDouble window(river, cursor);
  window.add(RiverPuzzle::kCrossAlone);
  window.clickExecute();
  ReplayScript tick = window.replay.tick(window.list.lines());
  const std::vector<Kind> expected = {
      Kind::SetInterval, Kind::SelectLine, Kind::ShowPuzzle,
      Kind::StopTimer,   Kind::EnablePanel,                      // end of the list
      Kind::StopTimer,   Kind::ShowMessage, Kind::EnablePanel,   // goat and cabbage
      Kind::StopTimer,   Kind::ShowMessage, Kind::EnablePanel};  // wolf and goat
  EXPECT_EQ(kindsOf(tick), expected);
}

TEST(AlgorithmReplay, EveryLineUsesOneTickAndUnknownLinesChangeNothing) {
  StepCursor cursor;
  JugsPuzzle jugs;
  TaskWindowDouble window(jugs, cursor);
  // Typing into the picker appends one partial line per edit.
  window.add({"Н", "На", JugsPuzzle::kFill2, JugsPuzzle::kFill2, "наполнить БАНКУ 1", "Наполнить БАНКУ 1 "});
  window.run();
  EXPECT_EQ(window.ticks, 6);
  EXPECT_EQ(jugs.jug1(), 0);
  EXPECT_EQ(jugs.jug2(), 3);
  EXPECT_TRUE(window.messages.empty());
  EXPECT_TRUE(window.panelEnabled);
  // After a replay that ran to its end the last line stays highlighted.
  EXPECT_EQ(window.list.selected(), 5);
}

TEST(AlgorithmReplay, EachTickHighlightsTheLineItPerforms) {
  StepCursor cursor;
  RiverPuzzle river;
  TaskWindowDouble window(river, cursor);
  window.add({RiverPuzzle::kTakeGoat, RiverPuzzle::kTakeGoat, RiverPuzzle::kTakeGoat});
  window.clickExecute();
  for (int line = 0; line < 3; ++line) {
    window.list.select(0);  // a click in the list during the replay
    window.stepTick();
    EXPECT_EQ(window.list.selected(), line);
    EXPECT_EQ(cursor.index(), static_cast<std::size_t>(line + 1));
  }
  EXPECT_FALSE(window.timerOn);
}

TEST(AlgorithmReplay, ListsLongerThan255LinesReplayEveryLineOnce) {
  StepCursor cursor;
  JugsPuzzle jugs;
  TaskWindowDouble window(jugs, cursor);
  for (int i = 0; i < 300; ++i) window.add(i % 2 ? JugsPuzzle::kEmpty1 : JugsPuzzle::kFill1);
  window.run();
  EXPECT_EQ(window.ticks, 300);
  EXPECT_EQ(window.list.selected(), 299);
  EXPECT_EQ(jugs.jug1(), 0);
  EXPECT_FALSE(window.timerOn);
}

TEST(AlgorithmReplay, AStrayTickPastTheEndPerformsNothing) {
  StepCursor cursor;
  JugsPuzzle jugs;
  TaskWindowDouble window(jugs, cursor);
  window.add(JugsPuzzle::kFill2);
  window.run();
  ReplayScript stray = window.replay.tick(window.list.lines());
  EXPECT_FALSE(stray.contains(Kind::SelectLine));
  EXPECT_TRUE(stray.contains(Kind::StopTimer));
  EXPECT_EQ(jugs.jug2(), 3);
}

TEST(AlgorithmReplay, ExecuteRestartsTheSharedCursorFromTheFirstLine) {
  StepCursor cursor;
  JugsPuzzle jugs;
  RiverPuzzle river;
  TaskWindowDouble first(jugs, cursor);
  TaskWindowDouble second(river, cursor);
  first.add({JugsPuzzle::kEmpty1, JugsPuzzle::kEmpty1});
  first.run();
  EXPECT_EQ(cursor.index(), 2u);
  second.add(RiverPuzzle::kTakeGoat);
  second.clickExecute();
  EXPECT_EQ(cursor.index(), 0u);
  second.stepTick();
  EXPECT_EQ(river.side(RiverFigure::Goat), RiverPuzzle::kFarBank);
}

TEST(CommandList, EditingRules) {
  CommandList list;
  list.removeSelected();  // nothing selected, nothing happens
  EXPECT_EQ(list.count(), 0u);

  list.append("a");
  list.append("a");  // the same command may be added again
  EXPECT_EQ(list.count(), 2u);
  EXPECT_EQ(list.selected(), CommandList::kNoSelection);
  list.removeSelected();
  EXPECT_EQ(list.count(), 2u);

  list.appendAndSelect("b");
  EXPECT_EQ(list.selected(), 2);
  list.append("c");  // the picker does not move the selection
  EXPECT_EQ(list.selected(), 2);
  list.select(0);
  list.removeSelected();
  EXPECT_EQ(list.lines(), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(list.selected(), CommandList::kNoSelection);

  list.select(7);
  EXPECT_EQ(list.selected(), CommandList::kNoSelection);
  list.select(2);
  list.clear();
  EXPECT_EQ(list.count(), 0u);
  EXPECT_EQ(list.selected(), CommandList::kNoSelection);
}

}  // namespace
