#pragma once
// One thing a task window must do, in order, to play out an editor event or a
// timer tick of the model. The window applies each action to its controls.
#include <cstdint>
#include <string_view>

#include "puzzles/PuzzleView.h"

struct ReplayAction {
  enum class Kind : std::uint8_t {
    SetInterval,     // step timer interval := number (ms)
    StartTimer,      // enable the step timer
    StopTimer,       // disable the step timer
    EnablePanel,     // enable the control panel and its children
    DisablePanel,    // disable the control panel and its children
    SelectLine,      // select command line `number` and scroll it into view
    ClearList,       // delete every command line
    ShowMessage,     // modal message box with `text`
    SetGaugeMaxima,  // jugs: gauge maxima from `view`
    ShowPuzzle,      // puzzle display (gauges and contents labels, pictures, balls) from `view`
    ShowStageTexts,  // jugs: capacity and stage labels from `view`
    StartExitTimer,  // tube: enable the exit timer
    StopExitTimer,   // tube: disable the exit timer
    ShowNextWindow,  // show the next window of the task sequence
    HideWindow,      // hide this window
  };

  Kind kind;
  int number = 0;
  std::string_view text;  // always one of the program's constant texts
  PuzzleView view;
};
