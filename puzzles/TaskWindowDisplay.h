#pragma once
// The window-specific part of playing a replay script: what a task window
// shows of its puzzle and where it hands over. The editor controls shared by
// all task windows (list, panel, step timer, message box) are played by
// TaskEditor itself.
#include "puzzles/PuzzleView.h"

class TaskWindowDisplay {
 public:
  virtual ~TaskWindowDisplay() = default;

  virtual void ShowPuzzle(const PuzzleView& view) = 0;
  virtual void SetGaugeMaxima(const PuzzleView& /*view*/) {}
  virtual void ShowStageTexts(const PuzzleView& /*view*/) {}
  virtual void StartExitTimer() {}
  virtual void StopExitTimer() {}
  // Shows the next window of the task sequence.
  virtual void ShowNextWindow() = 0;
  virtual void HideWindow() = 0;
};
