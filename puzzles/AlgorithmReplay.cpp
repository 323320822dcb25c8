#include "puzzles/AlgorithmReplay.h"

using Kind = ReplayAction::Kind;

void AlgorithmReplay::setInterval(int milliseconds, ReplayScript& out) {
  interval_ = milliseconds;
  out.setInterval(milliseconds);
}

ReplayScript AlgorithmReplay::execute(std::size_t lineCount) {
  ReplayScript out;
  cursor_.reset();
  puzzle_.replayReset(out);
  setInterval(kFirstTickDelay, out);
  if (lineCount == 0) {
    out.showMessage(kNothingToRun);
    return out;
  }
  out.add(Kind::DisablePanel);
  out.add(Kind::StartTimer);
  return out;
}

ReplayScript AlgorithmReplay::clear() {
  ReplayScript out;
  out.add(Kind::ClearList);
  puzzle_.clearReset(out);
  return out;
}

ReplayScript AlgorithmReplay::tick(const std::vector<std::string>& lines) {
  ReplayScript out;
  const int wanted = puzzle_.stepInterval();
  if (interval_ != wanted) setInterval(wanted, out);
  puzzle_.beforeCommand(out);

  // The list cannot change during a replay, but a tick that finds the cursor
  // past its end (a stray timer message) performs nothing rather than
  // reading beyond the list.
  const std::size_t step = cursor_.index();
  if (step < lines.size()) {
    out.selectLine(static_cast<int>(step));
    puzzle_.perform(lines[step], out);
  }
  puzzle_.showState(out);
  cursor_.advance();
  if (lines.size() <= cursor_.index()) {
    out.add(Kind::StopTimer);
    out.add(Kind::EnablePanel);
  }
  puzzle_.outcomeTests(out);
  return out;
}
