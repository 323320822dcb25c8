#pragma once
// The jugs puzzle: measure one litre with two jugs that can only be filled to
// the brim, emptied or poured into each other, in three stages of rising jug
// sizes. The capacities are the gauges' maxima, set from the stage at the
// start of every tick; the stage and capacity labels change when a stage is won.
#include <array>
#include <cstdint>
#include <string_view>

#include "puzzles/JugsView.h"
#include "puzzles/ReplayPuzzle.h"

class JugsPuzzle : public ReplayPuzzle {
 public:
  static constexpr std::string_view kPrompt = "Выберите команду";
  static constexpr std::string_view kFill1 = "Наполнить БАНКУ 1";
  static constexpr std::string_view kFill2 = "Наполнить БАНКУ 2";
  static constexpr std::string_view kEmpty1 = "Вылить всё из БАНКИ 1";
  static constexpr std::string_view kEmpty2 = "Вылить всё из БАНКИ 2";
  static constexpr std::string_view kPour1Into2 = "Перелить всё из БАНКИ1 В БАНКУ 2";
  static constexpr std::string_view kPour2Into1 = "Перелить всё из БАНКИ2 В БАНКУ 1";
  // The picker's entries, in the picker's order.
  static constexpr std::array<std::string_view, 6> kCommands = {kFill1, kFill2, kEmpty1, kEmpty2, kPour1Into2, kPour2Into1};

  static constexpr std::string_view kSuccessJug1 = "Отлично! Ты получил один литр сока в БАНКЕ 1";
  static constexpr std::string_view kSuccessJug2 = "Отлично! Ты получил один литр сока в БАНКЕ 2";

  static constexpr int kStepInterval = 2000;
  static constexpr std::uint8_t kFinished = 4;

  // Window creation (`FormCreate`): stage 1, both jugs empty.
  JugsPuzzle() = default;

  std::uint8_t stage() const { return stage_; }
  std::uint8_t jug1() const { return jug1_; }
  std::uint8_t jug2() const { return jug2_; }
  // Capacities as held by the gauges; 0 before the first replay.
  int capacity1() const { return gaugeMax1_; }
  int capacity2() const { return gaugeMax2_; }
  JugsView view() const;

  // ReplayPuzzle
  void replayReset(ReplayScript& out) override;
  void clearReset(ReplayScript& out) override;
  int stepInterval() const override { return kStepInterval; }
  void beforeCommand(ReplayScript& out) override;
  void perform(std::string_view line, ReplayScript& out) override;
  void showState(ReplayScript& out) override;
  void outcomeTests(ReplayScript& out) override;

 private:
  // Pours jug `from` into jug `to` of capacity `capacity`: the target is
  // filled at most to the brim, what does not fit stays in the source.
  static void pour(std::uint8_t& from, std::uint8_t& to, int capacity);
  void advanceStage(ReplayScript& out);

  std::uint8_t stage_ = 1;
  std::uint8_t jug1_ = 0;
  std::uint8_t jug2_ = 0;
  int gaugeMax1_ = 0;
  int gaugeMax2_ = 0;
  std::string_view capacityLabel1_ = "2-х литровая";
  std::string_view capacityLabel2_ = "3-х литровая";
  std::string_view stageLabel_ = "Первый тур";
};
