#include "puzzles/TaskEditor.h"

#include <string>

#include "framework/TTimer.h"
#include "framework/controls/MessageForm.h"
#include "framework/controls/TListBox.h"
#include "puzzles/TaskStepIndex.h"

using Kind = ReplayAction::Kind;

TaskEditor::TaskEditor(ReplayPuzzle& puzzle, TaskWindowDisplay& display)
    : replay_(puzzle, TaskStepIndex()), display_(display) {}

void TaskEditor::Attach(TListBox* list, TWinControl* panel, TTimer* stepTimer) {
  list_ = list;
  panel_ = panel;
  stepTimer_ = stepTimer;
  // The list box may hold lines from its layout; the model starts from them.
  commands_.clear();
  if (list_)
    for (const std::string& line : list_->Items().ToVector()) commands_.append(line);
}

void TaskEditor::TakeSelectionFromList() {
  if (list_) commands_.select(list_->ItemIndex());
}

void TaskEditor::AppendLine(std::string_view text) {
  commands_.append(text);
  if (list_) list_->Items().Add(std::string(text));
}

void TaskEditor::AppendAndSelect(std::string_view text) {
  commands_.appendAndSelect(text);
  if (!list_) return;
  list_->Items().Add(std::string(text));
  list_->SetItemIndex(commands_.selected());
}

void TaskEditor::RemoveSelected() {
  TakeSelectionFromList();
  const int selected = commands_.selected();
  if (selected == CommandList::kNoSelection) return;
  commands_.removeSelected();
  if (!list_) return;
  list_->Items().Delete(selected);
  list_->SetItemIndex(CommandList::kNoSelection);
}

void TaskEditor::Clear() { Play(replay_.clear()); }

void TaskEditor::Execute() { Play(replay_.execute(commands_.count())); }

void TaskEditor::Tick() { Play(replay_.tick(commands_.lines())); }

void TaskEditor::Play(const ReplayScript& script) {
  for (const ReplayAction& action : script) {
    switch (action.kind) {
      case Kind::SetInterval:
        if (stepTimer_) stepTimer_->SetInterval(static_cast<unsigned>(action.number));
        break;
      case Kind::StartTimer:
        if (stepTimer_) stepTimer_->SetEnabled(true);
        break;
      case Kind::StopTimer:
        if (stepTimer_) stepTimer_->SetEnabled(false);
        break;
      case Kind::EnablePanel:
      case Kind::DisablePanel:
        if (panel_) panel_->SetEnabled(action.kind == Kind::EnablePanel);
        break;
      case Kind::SelectLine:
        commands_.select(action.number);
        if (list_) list_->SetItemIndex(commands_.selected());
        break;
      case Kind::ClearList:
        commands_.clear();
        if (list_) list_->Items().Clear();
        break;
      case Kind::ShowMessage:
        // Modal: the loop keeps running inside, but every script stops its
        // timers before a message, so no tick of this window runs behind it.
        ShowMessage(std::string(action.text));
        break;
      case Kind::SetGaugeMaxima: display_.SetGaugeMaxima(action.view); break;
      case Kind::ShowPuzzle: display_.ShowPuzzle(action.view); break;
      case Kind::ShowStageTexts: display_.ShowStageTexts(action.view); break;
      case Kind::StartExitTimer: display_.StartExitTimer(); break;
      case Kind::StopExitTimer: display_.StopExitTimer(); break;
      case Kind::ShowNextWindow: display_.ShowNextWindow(); break;
      case Kind::HideWindow: display_.HideWindow(); break;
    }
  }
}
