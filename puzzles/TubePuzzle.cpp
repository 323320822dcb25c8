#include "puzzles/TubePuzzle.h"

#include <algorithm>
#include <charconv>

using Kind = ReplayAction::Kind;

namespace {

constexpr std::array<int, kTubeCells> kCellLeft = {22, 55, 89, 123, 158, 192, 225, 259,
                                                   294, 328, 362, 395, 429, 463, 498, 539};
constexpr int kCellTop = 269;
constexpr TPoint kNichePlace = {259, 237};

}  // namespace

TPoint TubePuzzle::BallPlace(int slot) {
  if (slot == kNicheSlot) return kNichePlace;
  return {kCellLeft[std::clamp(slot, 1, kTubeCells) - 1], kCellTop};
}

int TubePuzzle::DelayFromText(std::string_view text) {
  int value = 0;
  const char* first = text.data();
  const char* last = first + text.size();
  // A leading plus sign is part of an integer's text; a second sign is not.
  if (first != last && *first == '+') {
    ++first;
    if (first != last && *first == '-') return kDelayMin;
  }
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last || first == last) return kDelayMin;
  return value;
}

bool TubePuzzle::solved() const {
  if (niche_ == Ball::Yellow) return false;
  return std::none_of(cells_.begin(), cells_.end() - 1, [](Ball b) { return b == Ball::Yellow; });
}

void TubePuzzle::reset() {
  cells_.fill(Ball::Empty);
  niche_ = Ball::Empty;
  for (int k = 4; k <= 7; ++k) at(k) = Ball::Yellow;
  for (int k = 9; k <= 12; ++k) at(k) = Ball::Green;
}

void TubePuzzle::tiltUp() {
  if (niche_ != Ball::Empty) return;
  niche_ = at(kNicheCell);
  at(kNicheCell) = Ball::Empty;
}

void TubePuzzle::tiltDown() {
  if (at(kNicheCell) != Ball::Empty) return;
  at(kNicheCell) = niche_;
  niche_ = Ball::Empty;
}

void TubePuzzle::tiltRight() {
  // Every ball rolls one cell right; a ball already in the exit cell is gone.
  for (int i = kTubeCells; i >= 2; --i) {
    at(i) = at(i - 1);
    at(i - 1) = Ball::Empty;
  }
  closeGapsTowardsExit();
}

void TubePuzzle::tiltLeft() {
  // Against the closed end nothing can roll.
  if (at(1) == Ball::Empty) {
    for (int i = 1; i <= kTubeCells - 1; ++i) {
      at(i) = at(i + 1);
      at(i + 1) = Ball::Empty;
    }
  }
  closeGapsTowardsClosedEnd();
}

// A gap behind a rolling block is closed by the balls further down the tube:
// cells j + 1 to 15 move one cell left into the gap. The exit cell stays.
void TubePuzzle::closeGapsTowardsExit() {
  for (int i = 1; i <= 14; ++i) {
    if (at(i) == Ball::Empty) continue;
    for (int j = i; j <= 14; ++j) {
      if (at(j) != Ball::Empty || at(j + 1) == Ball::Empty) continue;
      for (int k = j; k <= 14; ++k) {
        at(k) = at(k + 1);
        at(k + 1) = Ball::Empty;
      }
    }
  }
}

// The same towards the closed end: cells 1 to j - 1 move one cell right into the gap.
void TubePuzzle::closeGapsTowardsClosedEnd() {
  for (int i = 1; i <= 14; ++i) {
    if (at(i) == Ball::Empty) continue;
    for (int j = i; j <= 14; ++j) {
      if (at(j) != Ball::Empty || at(j + 1) == Ball::Empty) continue;
      for (int k = j; k >= 2; --k) {
        at(k) = at(k - 1);
        at(k - 1) = Ball::Empty;
      }
    }
  }
}

ReplayScript TubePuzzle::exitTick() {
  ReplayScript out;
  out.add(Kind::StopExitTimer);
  at(kExitCell) = Ball::Empty;
  showState(out);
  if (solved()) {
    out.add(Kind::StopTimer);
    out.showMessage(kSuccess);
    out.add(Kind::ShowNextWindow);
    out.add(Kind::HideWindow);
  }
  return out;
}

void TubePuzzle::replayReset(ReplayScript& out) {
  reset();
  showState(out);
}

void TubePuzzle::clearReset(ReplayScript& out) {
  reset();
  showState(out);
}

int TubePuzzle::stepInterval() const {
  // A timer cannot run with a zero or negative interval; such a value can
  // only be a half-typed number that the field has not brought into range yet.
  return std::max(delay_, 1);
}

void TubePuzzle::perform(std::string_view line, ReplayScript&) {
  if (line == kTiltUp) tiltUp();
  else if (line == kTiltDown) tiltDown();
  else if (line == kTiltRight) tiltRight();
  else if (line == kTiltLeft) tiltLeft();
}

void TubePuzzle::showState(ReplayScript& out) { out.addView(Kind::ShowPuzzle, view()); }

void TubePuzzle::outcomeTests(ReplayScript& out) {
  if (cell(kExitCell) == Ball::Green) {
    // An exit timer still pending from a very short delay must not tick
    // behind the message box and wipe the green ball.
    out.add(Kind::StopTimer);
    out.add(Kind::StopExitTimer);
    out.add(Kind::EnablePanel);
    out.showMessage(kGreenFellOut);
    return;
  }
  out.add(Kind::StartExitTimer);
}
