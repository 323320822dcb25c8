#include "puzzles/JugsPuzzle.h"

using Kind = ReplayAction::Kind;

JugsView JugsPuzzle::view() const {
  return {gaugeMax1_, gaugeMax2_, jug1_, jug2_, capacityLabel1_, capacityLabel2_, stageLabel_};
}

void JugsPuzzle::replayReset(ReplayScript&) {
  // The gauges keep showing the last replay until the first tick.
  jug1_ = 0;
  jug2_ = 0;
}

void JugsPuzzle::clearReset(ReplayScript& out) {
  jug1_ = 0;
  jug2_ = 0;
  showState(out);
}

void JugsPuzzle::beforeCommand(ReplayScript& out) {
  switch (stage_) {
    case 1: gaugeMax1_ = 2; gaugeMax2_ = 3; break;
    case 2: gaugeMax1_ = 3; gaugeMax2_ = 5; break;
    case 3: gaugeMax1_ = 5; gaugeMax2_ = 8; break;
    default: return;  // a finished puzzle keeps its last jugs
  }
  out.addView(Kind::SetGaugeMaxima, view());
}

void JugsPuzzle::pour(std::uint8_t& from, std::uint8_t& to, int capacity) {
  const int sum = to + from;
  if (sum > capacity) {
    from = static_cast<std::uint8_t>(sum - capacity);
    to = static_cast<std::uint8_t>(capacity);
  } else {
    to = static_cast<std::uint8_t>(sum);
    from = 0;
  }
}

void JugsPuzzle::perform(std::string_view line, ReplayScript&) {
  if (line == kFill1) jug1_ = static_cast<std::uint8_t>(gaugeMax1_);
  else if (line == kFill2) jug2_ = static_cast<std::uint8_t>(gaugeMax2_);
  else if (line == kEmpty1) jug1_ = 0;
  else if (line == kEmpty2) jug2_ = 0;
  else if (line == kPour1Into2) pour(jug1_, jug2_, gaugeMax2_);
  else if (line == kPour2Into1) pour(jug2_, jug1_, gaugeMax1_);
}

void JugsPuzzle::showState(ReplayScript& out) { out.addView(Kind::ShowPuzzle, view()); }

void JugsPuzzle::outcomeTests(ReplayScript& out) {
  if (jug1_ != 1 && jug2_ != 1) return;
  out.add(Kind::StopTimer);
  out.showMessage(jug1_ == 1 ? kSuccessJug1 : kSuccessJug2);
  out.add(Kind::EnablePanel);
  // The clear button's click: the list is emptied and the jugs shown empty.
  out.add(Kind::ClearList);
  clearReset(out);
  advanceStage(out);
}

void JugsPuzzle::advanceStage(ReplayScript& out) {
  ++stage_;
  if (stage_ == 2) {
    capacityLabel1_ = "3-х литровая";
    capacityLabel2_ = "5-ти литровая";
    stageLabel_ = "Второй тур";
    out.addView(Kind::ShowStageTexts, view());
  } else if (stage_ == 3) {
    capacityLabel1_ = "5-ти литровая";
    capacityLabel2_ = "8-ми литровая";
    stageLabel_ = "Третий тур";
    out.addView(Kind::ShowStageTexts, view());
  } else if (stage_ == kFinished) {
    out.add(Kind::ShowNextWindow);
    out.add(Kind::HideWindow);
    out.add(Kind::StopTimer);
  }
}
