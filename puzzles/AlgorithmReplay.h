#pragma once
// The replay shared by the three task windows: the execute button, the clear
// button and the step timer tick. It knows the order of the steps; the puzzle
// fills in what each step does. The answer of every call is the script of
// actions the window plays out on its controls.
#include <string>
#include <vector>

#include "puzzles/ReplayPuzzle.h"
#include "puzzles/ReplayScript.h"
#include "puzzles/StepCursor.h"

class AlgorithmReplay {
 public:
  static constexpr int kFirstTickDelay = 50;   // ms from execute to the first tick
  static constexpr int kCreatedInterval = 2000;  // the step timer's interval in the layout
  static constexpr std::string_view kNothingToRun = "Дык нечего выполнять :)";

  // The cursor is shared between the task windows; both must outlive this.
  AlgorithmReplay(ReplayPuzzle& puzzle, StepCursor& cursor) : puzzle_(puzzle), cursor_(cursor) {}

  // Execute button (`sBitBtn1Click`) with the list holding `lineCount` lines.
  ReplayScript execute(std::size_t lineCount);
  // Clear button (`sButton1Click`).
  ReplayScript clear();
  // Step timer tick (`Timer1Timer`) over the current command lines.
  ReplayScript tick(const std::vector<std::string>& lines);

  // The interval this replay last gave the step timer.
  int interval() const { return interval_; }

 private:
  void setInterval(int milliseconds, ReplayScript& out);

  ReplayPuzzle& puzzle_;
  StepCursor& cursor_;
  int interval_ = kCreatedInterval;
};
