#pragma once
// A task window reduced to plain data: it plays out the model's scripts the
// way the real window plays them on its controls, and records what a user
// would have seen (message boxes, selected line, panel state, visibility).
// Timers fire in the order the real message loop would fire them with the
// delays the tests use: the exit timer (200 ms) before the next step tick.
#include <string>
#include <string_view>
#include <vector>

#include "puzzles/AlgorithmReplay.h"
#include "puzzles/CommandList.h"
#include "puzzles/TubePuzzle.h"

class TaskWindowDouble {
 public:
  TaskWindowDouble(ReplayPuzzle& puzzle, StepCursor& cursor, TubePuzzle* tube = nullptr)
      : replay(puzzle, cursor), tube_(tube) {}

  void apply(const ReplayScript& script) {
    using Kind = ReplayAction::Kind;
    for (const ReplayAction& a : script) {
      switch (a.kind) {
        case Kind::SetInterval: interval = a.number; break;
        case Kind::StartTimer: timerOn = true; break;
        case Kind::StopTimer: timerOn = false; break;
        case Kind::EnablePanel: panelEnabled = true; break;
        case Kind::DisablePanel: panelEnabled = false; break;
        case Kind::SelectLine: list.select(a.number); break;
        case Kind::ClearList: list.clear(); break;
        case Kind::ShowMessage:
          // A modal box would let running timers tick behind it.
          if (timerOn || exitTimerOn) messagesWithTimerRunning++;
          messages.emplace_back(a.text);
          break;
        case Kind::SetGaugeMaxima:
        case Kind::ShowPuzzle:
        case Kind::ShowStageTexts: shown = a.view; break;
        case Kind::StartExitTimer: exitTimerOn = true; break;
        case Kind::StopExitTimer: exitTimerOn = false; break;
        case Kind::ShowNextWindow: nextWindowShown = true; break;
        case Kind::HideWindow: visible = false; break;
      }
    }
  }

  void add(std::string_view line) { list.append(line); }
  void add(std::initializer_list<std::string_view> lines) {
    for (std::string_view l : lines) list.append(l);
  }
  void clickExecute() { apply(replay.execute(list.count())); }
  void clickClear() { apply(replay.clear()); }

  // One step tick, followed by the exit tick it started (tube only).
  void stepTick() {
    ++ticks;
    apply(replay.tick(list.lines()));
    if (exitTimerOn && tube_) apply(tube_->exitTick());
  }

  // Execute, then let the timers run until the replay has ended.
  void run() {
    clickExecute();
    for (int guard = 0; timerOn && guard < 100000; ++guard) stepTick();
  }

  AlgorithmReplay replay;
  CommandList list;
  int interval = AlgorithmReplay::kCreatedInterval;
  bool timerOn = false;
  bool exitTimerOn = false;
  bool panelEnabled = true;
  bool visible = true;
  bool nextWindowShown = false;
  int ticks = 0;
  int messagesWithTimerRunning = 0;
  std::vector<std::string> messages;
  PuzzleView shown;

 private:
  TubePuzzle* tube_;
};
