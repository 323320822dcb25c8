#pragma once
// The puzzle-specific pieces of a task window that the shared replay calls.
// Each adds the actions its step causes to the script, in order.
#include <string_view>

#include "puzzles/ReplayScript.h"

class ReplayPuzzle {
 public:
  virtual ~ReplayPuzzle() = default;

  // Execute, before the first tick: puts the puzzle into its start state.
  virtual void replayReset(ReplayScript& out) = 0;
  // Clear button, after the command list has been emptied.
  virtual void clearReset(ReplayScript& out) = 0;
  // The step timer interval every tick after the first should have.
  virtual int stepInterval() const = 0;
  // Runs at the start of each tick, before the line is selected.
  virtual void beforeCommand(ReplayScript& /*out*/) {}
  // Performs the command whose text equals `line` exactly; other text does nothing.
  virtual void perform(std::string_view line, ReplayScript& out) = 0;
  virtual void showState(ReplayScript& out) = 0;
  // Success and failure tests after every tick.
  virtual void outcomeTests(ReplayScript& out) = 0;
};
