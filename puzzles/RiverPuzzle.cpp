#include "puzzles/RiverPuzzle.h"

using Kind = ReplayAction::Kind;

namespace {

struct FigurePlaces {
  TRect startBank;
  TRect farBank;
};

// Indexed by RiverFigure. The far bank is further away, so its pictures are smaller.
const std::array<FigurePlaces, kRiverFigureCount> kPlaces = {{
    {Bounds(24, 376, 105, 97), Bounds(320, 272, 50, 50)},    // goat
    {Bounds(80, 440, 65, 57), Bounds(345, 300, 25, 25)},     // cabbage
    {Bounds(152, 408, 137, 89), Bounds(370, 280, 60, 40)},   // wolf
    {Bounds(224, 320, 137, 105), Bounds(320, 310, 75, 60)},  // old man in his boat
}};

}  // namespace

TRect RiverPuzzle::Place(RiverFigure figure, std::uint8_t side) {
  const FigurePlaces& places = kPlaces[static_cast<int>(figure)];
  return side == kFarBank ? places.farBank : places.startBank;
}

RiverView RiverPuzzle::startView() {
  RiverView view;
  for (RiverFigure f : kShowOrder) view.pictures[static_cast<int>(f)] = Place(f, kStartBank);
  return view;
}

void RiverPuzzle::putPicturesOnStartBank() { view_ = startView(); }

void RiverPuzzle::replayReset(ReplayScript&) {
  // The pictures stay where they are until the first tick shows the sides.
  sides_.fill(kStartBank);
}

void RiverPuzzle::clearReset(ReplayScript& out) {
  // Only the pictures go back; the sides keep what the last replay left.
  putPicturesOnStartBank();
  out.addView(Kind::ShowPuzzle, view_);
}

void RiverPuzzle::ferry(RiverFigure figure, std::string_view refusal, ReplayScript& out) {
  std::uint8_t& passenger = sideOf(figure);
  std::uint8_t& oldMan = sideOf(RiverFigure::OldMan);
  if (passenger == kStartBank && oldMan == kStartBank) {
    passenger = oldMan = kFarBank;
  } else if (passenger == kFarBank && oldMan == kFarBank) {
    passenger = oldMan = kStartBank;
  } else {
    out.add(Kind::StopTimer);
    out.add(Kind::EnablePanel);
    out.showMessage(refusal);
  }
}

void RiverPuzzle::perform(std::string_view line, ReplayScript& out) {
  if (line == kTakeGoat) {
    ferry(RiverFigure::Goat, kNoGoat, out);
  } else if (line == kTakeWolf) {
    ferry(RiverFigure::Wolf, kNoWolf, out);
  } else if (line == kTakeCabbage) {
    ferry(RiverFigure::Cabbage, kNoCabbage, out);
  } else if (line == kCrossAlone) {
    std::uint8_t& oldMan = sideOf(RiverFigure::OldMan);
    oldMan = oldMan == kStartBank ? kFarBank : kStartBank;
  }
}

void RiverPuzzle::showState(ReplayScript& out) {
  for (RiverFigure f : kShowOrder) {
    const std::uint8_t s = side(f);
    if (s == kStartBank || s == kFarBank) view_.pictures[static_cast<int>(f)] = Place(f, s);
  }
  out.addView(Kind::ShowPuzzle, view_);
}

void RiverPuzzle::outcomeTests(ReplayScript& out) {
  const std::uint8_t goat = side(RiverFigure::Goat);
  const std::uint8_t cabbage = side(RiverFigure::Cabbage);
  const std::uint8_t wolf = side(RiverFigure::Wolf);
  const std::uint8_t oldMan = side(RiverFigure::OldMan);

  if (goat == kFarBank && cabbage == kFarBank && wolf == kFarBank && oldMan == kFarBank) {
    out.add(Kind::StopTimer);
    out.showMessage(kSuccess);
    out.add(Kind::ShowNextWindow);
    out.add(Kind::HideWindow);
    return;
  }
  if ((goat == 2 && cabbage == 2 && oldMan == 1) || (goat == 1 && cabbage == 1 && oldMan == 2)) {
    out.add(Kind::StopTimer);
    out.showMessage(kGoatAteCabbage);
    out.add(Kind::EnablePanel);
  }
  if ((wolf == 1 && goat == 1 && oldMan == 2) || (wolf == 2 && goat == 2 && oldMan == 1)) {
    out.add(Kind::StopTimer);
    out.showMessage(kWolfAteGoat);
    out.add(Kind::EnablePanel);
  }
}
