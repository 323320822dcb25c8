// The jugs puzzle: fills, pours, the success test and the three stages.
#include <gtest/gtest.h>

#include "puzzles/JugsPuzzle.h"
#include "tests/puzzles/TaskWindowDouble.h"

namespace {

using Kind = ReplayAction::Kind;

const std::vector<std::string_view> kStage1 = {JugsPuzzle::kFill2, JugsPuzzle::kPour2Into1};
const std::vector<std::string_view> kStage2 = {JugsPuzzle::kFill1, JugsPuzzle::kPour1Into2, JugsPuzzle::kFill1,
                                               JugsPuzzle::kPour1Into2};
const std::vector<std::string_view> kStage3 = {JugsPuzzle::kFill2,  JugsPuzzle::kPour2Into1, JugsPuzzle::kEmpty1,
                                               JugsPuzzle::kPour2Into1, JugsPuzzle::kFill2,  JugsPuzzle::kPour2Into1,
                                               JugsPuzzle::kEmpty1, JugsPuzzle::kPour2Into1};

struct JugsWindow {
  StepCursor cursor;
  JugsPuzzle jugs;
  TaskWindowDouble window{jugs, cursor};

  void solve(const std::vector<std::string_view>& lines) {
    for (std::string_view l : lines) window.add(l);
    window.run();
  }
  const JugsView& shown() const { return std::get<JugsView>(window.shown); }
};

// The jugs as the gauges showed them when the first message box came up.
JugsView shownAtMessage(const ReplayScript& script) {
  JugsView last;
  for (const ReplayAction& a : script) {
    if (a.kind == Kind::ShowMessage) break;
    if (a.kind == Kind::ShowPuzzle) last = std::get<JugsView>(a.view);
  }
  return last;
}

TEST(JugsPuzzle, CommandsInPickerOrder) {
  const std::array<std::string_view, 6> expected = {"Наполнить БАНКУ 1", "Наполнить БАНКУ 2",
                                                    "Вылить всё из БАНКИ 1", "Вылить всё из БАНКИ 2",
                                                    "Перелить всё из БАНКИ1 В БАНКУ 2",
                                                    "Перелить всё из БАНКИ2 В БАНКУ 1"};
  EXPECT_EQ(JugsPuzzle::kCommands, expected);
  EXPECT_EQ(JugsPuzzle::kPrompt, "Выберите команду");
}

TEST(JugsPuzzle, FirstStageSolvedOnTheSecondTick) {
  JugsWindow w;
  for (std::string_view l : kStage1) w.window.add(l);
  w.window.clickExecute();
  w.window.stepTick();
  EXPECT_TRUE(w.window.messages.empty());
  EXPECT_EQ(w.shown().gaugeMax1, 2);
  EXPECT_EQ(w.shown().gaugeMax2, 3);
  EXPECT_EQ(w.shown().jug2, 3);

  ReplayScript second = w.window.replay.tick(w.window.list.lines());
  w.window.apply(second);
  const JugsView atMessage = shownAtMessage(second);
  EXPECT_EQ(atMessage.jug1, 2);
  EXPECT_EQ(atMessage.jug2, 1);
  EXPECT_EQ(atMessage.contentsLabel2(), "1");
  EXPECT_EQ(w.window.messages, std::vector<std::string>{"Отлично! Ты получил один литр сока в БАНКЕ 2"});
  EXPECT_EQ(w.window.messagesWithTimerRunning, 0);

  // The clear button's click follows: empty list, empty jugs, next stage.
  EXPECT_EQ(w.window.list.count(), 0u);
  EXPECT_EQ(w.shown().jug1, 0);
  EXPECT_EQ(w.shown().contentsLabel1(), "0");
  EXPECT_EQ(w.jugs.stage(), 2);
  EXPECT_EQ(w.shown().capacityLabel1, "3-х литровая");
  EXPECT_EQ(w.shown().capacityLabel2, "5-ти литровая");
  EXPECT_EQ(w.shown().stageLabel, "Второй тур");
  EXPECT_TRUE(w.window.panelEnabled);
  EXPECT_TRUE(w.window.visible);
  // The new maxima wait for the next replay's first tick.
  EXPECT_EQ(w.shown().gaugeMax2, 3);
}

TEST(JugsPuzzle, ThreeStagesEndWithTheRiverWindow) {
  JugsWindow w;
  EXPECT_EQ(w.jugs.view().stageLabel, "Первый тур");
  w.solve(kStage1);
  w.solve(kStage2);
  EXPECT_EQ(w.window.messages.back(), "Отлично! Ты получил один литр сока в БАНКЕ 1");
  EXPECT_EQ(w.jugs.stage(), 3);
  EXPECT_EQ(w.shown().capacityLabel1, "5-ти литровая");
  EXPECT_EQ(w.shown().capacityLabel2, "8-ми литровая");
  EXPECT_EQ(w.shown().stageLabel, "Третий тур");
  EXPECT_TRUE(w.window.visible);

  w.solve(kStage3);
  EXPECT_EQ(w.window.ticks, 2 + 4 + 8);
  EXPECT_EQ(w.window.messages.back(), "Отлично! Ты получил один литр сока в БАНКЕ 2");
  EXPECT_EQ(w.window.messages.size(), 3u);
  EXPECT_EQ(w.jugs.stage(), JugsPuzzle::kFinished);
  EXPECT_TRUE(w.window.nextWindowShown);
  EXPECT_FALSE(w.window.visible);
  EXPECT_FALSE(w.window.timerOn);
}

TEST(JugsPuzzle, StageTwoEndsWithOneAndFiveLitres) {
  JugsWindow w;
  w.solve(kStage1);
  for (std::string_view l : kStage2) w.window.add(l);
  w.window.clickExecute();
  ReplayScript last;
  while (w.window.timerOn) {
    last = w.window.replay.tick(w.window.list.lines());
    w.window.apply(last);
  }
  const JugsView atMessage = shownAtMessage(last);
  EXPECT_EQ(atMessage.jug1, 1);
  EXPECT_EQ(atMessage.jug2, 5);
}

TEST(JugsPuzzle, PouringStopsAtTheBrimAndLeavesTheRest) {
  JugsWindow w;
  w.solve(kStage1);
  // Stage 2: 3 litres into a jug holding 3 of 5 leaves 1 behind.
  w.window.add({JugsPuzzle::kFill1, JugsPuzzle::kPour1Into2, JugsPuzzle::kFill1});
  w.window.run();
  EXPECT_EQ(w.jugs.jug1(), 3);
  EXPECT_EQ(w.jugs.jug2(), 3);
  w.window.clickClear();

  // Stage 2 the other way: 5 litres into the empty 3-litre jug leave 2.
  w.window.add({JugsPuzzle::kFill2, JugsPuzzle::kPour2Into1});
  w.window.run();
  EXPECT_EQ(w.jugs.jug1(), 3);
  EXPECT_EQ(w.jugs.jug2(), 2);
  // Everything fits: the source is emptied.
  w.window.clickClear();
  w.window.add({JugsPuzzle::kFill1, JugsPuzzle::kPour1Into2});
  w.window.run();
  EXPECT_EQ(w.jugs.jug1(), 0);
  EXPECT_EQ(w.jugs.jug2(), 3);
  EXPECT_EQ(w.jugs.stage(), 2);
}

TEST(JugsPuzzle, ReplayStopsAtTheFirstLitre) {
  JugsWindow w;
  w.solve({JugsPuzzle::kFill2, JugsPuzzle::kPour2Into1, JugsPuzzle::kEmpty2, JugsPuzzle::kFill2});
  EXPECT_EQ(w.window.ticks, 2);
  EXPECT_EQ(w.window.messages.size(), 1u);
  EXPECT_EQ(w.window.list.count(), 0u);
  EXPECT_FALSE(w.window.timerOn);
}

TEST(JugsPuzzle, FirstTickOfAStageFillsToThatStagesCapacity) {
  JugsWindow w;
  w.solve(kStage1);
  ASSERT_EQ(w.jugs.capacity2(), 3);  // still the first stage's maxima
  w.solve({JugsPuzzle::kFill2});
  EXPECT_EQ(w.jugs.jug2(), 5);
  EXPECT_EQ(w.shown().gaugeMax2, 5);
}

TEST(JugsPuzzle, ExecuteLeavesTheDisplayUntilTheFirstTick) {
  JugsWindow w;
  // Before any replay both gauges have the maximum 0.
  EXPECT_EQ(w.jugs.capacity1(), 0);
  w.solve({JugsPuzzle::kFill1, JugsPuzzle::kFill2});
  ASSERT_EQ(w.shown().jug1, 2);

  ReplayScript execute = w.window.replay.execute(2);
  EXPECT_FALSE(execute.contains(Kind::ShowPuzzle));
  EXPECT_EQ(w.jugs.jug1(), 0);
  EXPECT_EQ(w.jugs.jug2(), 0);
}

TEST(JugsPuzzle, ClearShowsEmptyJugsAndKeepsTheMaxima) {
  JugsWindow w;
  w.solve({JugsPuzzle::kFill1, JugsPuzzle::kFill2});
  w.window.clickClear();
  EXPECT_EQ(w.window.list.count(), 0u);
  EXPECT_EQ(w.shown().jug1, 0);
  EXPECT_EQ(w.shown().jug2, 0);
  EXPECT_EQ(w.shown().contentsLabel2(), "0");
  EXPECT_EQ(w.shown().gaugeMax1, 2);
  EXPECT_EQ(w.shown().gaugeMax2, 3);
  EXPECT_EQ(w.jugs.stage(), 1);
}

}  // namespace
