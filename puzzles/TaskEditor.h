#pragma once
// The algorithm editor of a task window, wired to its controls: the command
// list box, the control panel and the step timer. Edits go through the
// CommandList model and are mirrored on the list box; the execute and clear
// buttons and the step timer ask the AlgorithmReplay and play the actions it
// returns on the controls, in order. Actions that show the puzzle or hand
// over to the next window go to the window's TaskWindowDisplay.
#include <string_view>

#include "puzzles/AlgorithmReplay.h"
#include "puzzles/CommandList.h"
#include "puzzles/TaskWindowDisplay.h"

class TListBox;
class TTimer;
class TWinControl;

class TaskEditor {
 public:
  // `puzzle` and `display` must outlive the editor.
  TaskEditor(ReplayPuzzle& puzzle, TaskWindowDisplay& display);

  // The window's controls, once its layout has been read.
  void Attach(TListBox* list, TWinControl* panel, TTimer* stepTimer);

  const CommandList& Commands() const { return commands_; }

  // The picker's change: a new last line; the selection stays.
  void AppendLine(std::string_view text);
  // A direct command button: a new last line, selected.
  void AppendAndSelect(std::string_view text);
  // The remove button: deletes the selected line, if any.
  void RemoveSelected();
  // The clear button.
  void Clear();
  // The execute button.
  void Execute();
  // A tick of the step timer.
  void Tick();

  // Plays `script` on the controls, action by action.
  void Play(const ReplayScript& script);

 private:
  // The user may have clicked another line since the last edit.
  void TakeSelectionFromList();

  CommandList commands_;
  AlgorithmReplay replay_;
  TaskWindowDisplay& display_;
  TListBox* list_ = nullptr;
  TWinControl* panel_ = nullptr;
  TTimer* stepTimer_ = nullptr;
};
