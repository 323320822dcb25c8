#pragma once
// The river crossing: an old man with a boat ferries a goat, a wolf and a
// cabbage to the far bank, taking at most one of them at a time; the goat
// must never stay with the cabbage without him, nor the wolf with the goat.
// Each figure's bank side is 1 (start bank), 2 (far bank) or, before the
// first replay, 0. The pictures move only when the state is shown.
#include <array>
#include <cstdint>
#include <string_view>

#include "puzzles/ReplayPuzzle.h"
#include "puzzles/RiverView.h"

class RiverPuzzle : public ReplayPuzzle {
 public:
  static constexpr std::string_view kPrompt = "Выберите, кого перевезти";
  static constexpr std::string_view kTakeGoat = "Перевезти Козу";
  static constexpr std::string_view kTakeWolf = "Перевезти Волка";
  static constexpr std::string_view kTakeCabbage = "Перевезти Капусту";
  static constexpr std::string_view kCrossAlone = "Переправиться один";
  static constexpr std::array<std::string_view, 4> kCommands = {kTakeGoat, kTakeWolf, kTakeCabbage, kCrossAlone};

  static constexpr std::string_view kNoGoat = "ДЕД: На этом берегу нету Козы!";
  static constexpr std::string_view kNoWolf = "ДЕД: На этом берегу нету Волка!";
  static constexpr std::string_view kNoCabbage = "ДЕД: Дык нету тут капусты!";
  static constexpr std::string_view kSuccess = "Отлично! Ты справился!";
  static constexpr std::string_view kGoatAteCabbage = "НЕВЕРНО! Коза съела капусту!";
  static constexpr std::string_view kWolfAteGoat = "ТРАГЕДИЯ! Волк сожрал Козу!";

  // The order in which a shown state moves the pictures.
  static constexpr std::array<RiverFigure, kRiverFigureCount> kShowOrder = {RiverFigure::Goat, RiverFigure::Cabbage,
                                                                            RiverFigure::Wolf, RiverFigure::OldMan};

  static constexpr std::uint8_t kStartBank = 1;
  static constexpr std::uint8_t kFarBank = 2;
  static constexpr int kStepInterval = 2000;

  // Place and size of a figure's picture on bank `side` (1 or 2).
  static TRect Place(RiverFigure figure, std::uint8_t side);
  // The river photograph; it never moves.
  static constexpr TRect kRiverPicture = {0, 216, 449, 497};

  std::uint8_t side(RiverFigure figure) const { return sides_[static_cast<int>(figure)]; }
  const RiverView& view() const { return view_; }

  // ReplayPuzzle
  void replayReset(ReplayScript& out) override;
  void clearReset(ReplayScript& out) override;
  int stepInterval() const override { return kStepInterval; }
  void perform(std::string_view line, ReplayScript& out) override;
  void showState(ReplayScript& out) override;
  void outcomeTests(ReplayScript& out) override;

 private:
  std::uint8_t& sideOf(RiverFigure figure) { return sides_[static_cast<int>(figure)]; }
  // Takes `figure` across with the old man when both stand on the same bank;
  // otherwise stops the replay with `refusal`.
  void ferry(RiverFigure figure, std::string_view refusal, ReplayScript& out);
  void putPicturesOnStartBank();

  std::array<std::uint8_t, kRiverFigureCount> sides_{};
  RiverView view_ = startView();
  static RiverView startView();
};
