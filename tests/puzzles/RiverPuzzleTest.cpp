// The river crossing: ferrying, refused crossings, the two rules and success.
#include <gtest/gtest.h>

#include "puzzles/RiverPuzzle.h"
#include "tests/puzzles/TaskWindowDouble.h"

namespace {

using Kind = ReplayAction::Kind;
using F = RiverFigure;

struct RiverWindow {
  StepCursor cursor;
  RiverPuzzle river;
  TaskWindowDouble window{river, cursor};

  void run(std::initializer_list<std::string_view> lines) {
    window.add(lines);
    window.run();
  }
  const RiverView& shown() const { return std::get<RiverView>(window.shown); }
};

const std::string kGoatAteCabbage = "НЕВЕРНО! Коза съела капусту!";
const std::string kWolfAteGoat = "ТРАГЕДИЯ! Волк сожрал Козу!";

TEST(RiverPuzzle, CommandsInPickerOrder) {
  const std::array<std::string_view, 4> expected = {"Перевезти Козу", "Перевезти Волка", "Перевезти Капусту",
                                                    "Переправиться один"};
  EXPECT_EQ(RiverPuzzle::kCommands, expected);
  EXPECT_EQ(RiverPuzzle::kPrompt, "Выберите, кого перевезти");
}

TEST(RiverPuzzle, SevenCrossingsSolveItAtTheSeventhTick) {
  RiverWindow w;
  w.run({RiverPuzzle::kTakeGoat, RiverPuzzle::kCrossAlone, RiverPuzzle::kTakeWolf, RiverPuzzle::kTakeGoat,
         RiverPuzzle::kTakeCabbage, RiverPuzzle::kCrossAlone, RiverPuzzle::kTakeGoat});
  EXPECT_EQ(w.window.ticks, 7);
  EXPECT_EQ(w.window.messages, std::vector<std::string>{"Отлично! Ты справился!"});
  EXPECT_EQ(w.window.messagesWithTimerRunning, 0);
  EXPECT_TRUE(w.window.nextWindowShown);
  EXPECT_FALSE(w.window.visible);
  for (F f : {F::Goat, F::Cabbage, F::Wolf, F::OldMan}) {
    EXPECT_EQ(w.river.side(f), RiverPuzzle::kFarBank);
    EXPECT_EQ(w.shown().picture(f), RiverPuzzle::Place(f, RiverPuzzle::kFarBank));
  }
  EXPECT_EQ(w.shown().picture(F::Goat), Bounds(320, 272, 50, 50));
  EXPECT_EQ(w.shown().picture(F::OldMan), Bounds(320, 310, 75, 60));
}

TEST(RiverPuzzle, TakingTheWolfFirstLeavesTheGoatWithTheCabbage) {
  RiverWindow w;
  w.run({RiverPuzzle::kTakeWolf, RiverPuzzle::kTakeGoat});
  EXPECT_EQ(w.window.messages, std::vector<std::string>{kGoatAteCabbage});
  EXPECT_EQ(w.window.ticks, 1);
  EXPECT_TRUE(w.window.panelEnabled);
  // The state that broke the rule stays on screen.
  EXPECT_EQ(w.shown().picture(F::Wolf), Bounds(370, 280, 60, 40));
  EXPECT_EQ(w.shown().picture(F::Goat), Bounds(24, 376, 105, 97));
}

TEST(RiverPuzzle, CrossingAloneFirstBreaksBothRulesInOrder) {
  RiverWindow w;
  w.run({RiverPuzzle::kCrossAlone});
  EXPECT_EQ(w.window.messages, (std::vector<std::string>{kGoatAteCabbage, kWolfAteGoat}));
  EXPECT_EQ(w.window.messagesWithTimerRunning, 0);
}

TEST(RiverPuzzle, TakingTheCabbageFirstLeavesTheGoatWithTheWolf) {
  RiverWindow w;
  w.run({RiverPuzzle::kTakeCabbage});
  EXPECT_EQ(w.window.messages, std::vector<std::string>{kWolfAteGoat});
}

TEST(RiverPuzzle, TheOldManCannotTakeWhatIsOnTheOtherBank) {
  RiverWindow w;
  w.run({RiverPuzzle::kTakeGoat, RiverPuzzle::kTakeWolf, RiverPuzzle::kTakeGoat});
  EXPECT_EQ(w.window.messages, std::vector<std::string>{"ДЕД: На этом берегу нету Волка!"});
  EXPECT_EQ(w.window.ticks, 2);
  EXPECT_FALSE(w.window.timerOn);
  EXPECT_TRUE(w.window.panelEnabled);
  EXPECT_EQ(w.river.side(F::Wolf), RiverPuzzle::kStartBank);
  EXPECT_EQ(w.river.side(F::Goat), RiverPuzzle::kFarBank);
  EXPECT_EQ(w.river.side(F::OldMan), RiverPuzzle::kFarBank);
}

TEST(RiverPuzzle, RefusalsStopFirstAndNameTheMissingFigure) {
  // The old man alone on the far bank: nobody is there to take.
  const std::vector<std::pair<std::string_view, std::string_view>> cases = {
      {RiverPuzzle::kTakeGoat, "ДЕД: На этом берегу нету Козы!"},
      {RiverPuzzle::kTakeWolf, "ДЕД: На этом берегу нету Волка!"},
      {RiverPuzzle::kTakeCabbage, "ДЕД: Дык нету тут капусты!"}};
  for (const auto& [line, refusal] : cases) {
    RiverPuzzle river;
    ReplayScript setup;
    river.replayReset(setup);
    river.perform(RiverPuzzle::kCrossAlone, setup);
    ReplayScript out;
    river.perform(line, out);
    ASSERT_EQ(out.actions().size(), 3u) << line;
    EXPECT_EQ(out.actions()[0].kind, Kind::StopTimer);
    EXPECT_EQ(out.actions()[1].kind, Kind::EnablePanel);
    EXPECT_EQ(out.actions()[2].kind, Kind::ShowMessage);
    EXPECT_EQ(out.actions()[2].text, refusal);
    for (F f : {F::Goat, F::Cabbage, F::Wolf}) EXPECT_EQ(river.side(f), RiverPuzzle::kStartBank) << line;
    EXPECT_EQ(river.side(F::OldMan), RiverPuzzle::kFarBank);
  }
}

TEST(RiverPuzzle, AFigureLeftOnTheFarBankCannotBeFetchedFromTheStartBank) {
  RiverWindow w;
  w.run({RiverPuzzle::kTakeGoat, RiverPuzzle::kCrossAlone, RiverPuzzle::kTakeGoat, RiverPuzzle::kTakeWolf});
  EXPECT_EQ(w.window.messages, std::vector<std::string>{"ДЕД: На этом берегу нету Козы!"});
  EXPECT_EQ(w.window.ticks, 3);
  EXPECT_EQ(w.river.side(F::Goat), RiverPuzzle::kFarBank);
  EXPECT_EQ(w.river.side(F::OldMan), RiverPuzzle::kStartBank);
}

TEST(RiverPuzzle, TheGoatTakenTwiceComesBack) {
  RiverWindow w;
  w.run({RiverPuzzle::kTakeGoat, RiverPuzzle::kTakeGoat});
  EXPECT_TRUE(w.window.messages.empty());
  EXPECT_EQ(w.window.ticks, 2);
  EXPECT_EQ(w.river.side(F::Goat), RiverPuzzle::kStartBank);
  EXPECT_EQ(w.river.side(F::OldMan), RiverPuzzle::kStartBank);
  EXPECT_EQ(w.shown().picture(F::Goat), Bounds(24, 376, 105, 97));
}

TEST(RiverPuzzle, ClearMovesOnlyThePicturesAndExecuteResetsTheSides) {
  RiverWindow w;
  w.run({RiverPuzzle::kTakeCabbage});
  ASSERT_EQ(w.shown().picture(F::Cabbage), Bounds(345, 300, 25, 25));

  w.window.clickClear();
  EXPECT_EQ(w.window.list.count(), 0u);
  for (F f : {F::Goat, F::Cabbage, F::Wolf, F::OldMan})
    EXPECT_EQ(w.shown().picture(f), RiverPuzzle::Place(f, RiverPuzzle::kStartBank));
  EXPECT_EQ(w.river.side(F::Cabbage), RiverPuzzle::kFarBank);

  // Execute resets the sides without moving anything; the first tick shows them.
  w.window.add(RiverPuzzle::kTakeGoat);
  ReplayScript execute = w.window.replay.execute(w.window.list.count());
  EXPECT_FALSE(execute.contains(Kind::ShowPuzzle));
  w.window.apply(execute);
  EXPECT_EQ(w.river.side(F::Cabbage), RiverPuzzle::kStartBank);
  w.window.stepTick();
  EXPECT_EQ(w.shown().picture(F::Goat), Bounds(320, 272, 50, 50));
  EXPECT_EQ(w.shown().picture(F::Cabbage), Bounds(80, 440, 65, 57));
  EXPECT_TRUE(w.window.messages.size() == 1);  // only the earlier wolf message
}

TEST(RiverPuzzle, PicturesStayBeforeTheFirstReplay) {
  // Sides are 0 until the first execute: showing them moves nothing.
  RiverPuzzle river;
  const RiverView before = river.view();
  ReplayScript out;
  river.showState(out);
  EXPECT_EQ(river.view(), before);
  EXPECT_EQ(before.picture(F::Wolf), Bounds(152, 408, 137, 89));
  EXPECT_EQ(before.picture(F::Cabbage), Bounds(80, 440, 65, 57));
}

}  // namespace
