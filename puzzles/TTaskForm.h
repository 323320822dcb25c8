#pragma once
// What the three task windows share: the algorithm editor playing the
// window's puzzle, the editor's controls the layout binds and the handlers
// of the command picker, the remove, clear and execute buttons and the step
// timer, each passing its event on to the editor. The window says how its
// puzzle looks (TaskWindowDisplay) and adds its own controls and handlers; a
// window without a picker (the tube window) never has its field set.
#include "framework/TCustomForm.h"
#include "framework/TTimer.h"
#include "framework/controls/TComboBox.h"
#include "framework/controls/TListBox.h"
#include "puzzles/TaskEditor.h"
#include "puzzles/TaskWindowDisplay.h"

template <class TPuzzle>
class TTaskForm : public TForm, private TaskWindowDisplay {
 public:
  // The window shown when the puzzle is solved.
  void SetNextWindow(TCustomForm* next) { next_ = next; }

  const TPuzzle& Puzzle() const { return puzzle_; }
  const TaskEditor& Editor() const { return editor_; }

  // Handlers bound by the layout.
  void sComboBox1Change(TObject*) {
    if (sComboBox1) editor_.AppendLine(sComboBox1->CurrentText());
  }
  void sSpeedButton1Click(TObject*) { editor_.RemoveSelected(); }
  void sButton1Click(TObject*) { editor_.Clear(); }
  void sBitBtn1Click(TObject*) { editor_.Execute(); }
  virtual void Timer1Timer(TObject*) { editor_.Tick(); }

  TListBox* sListBox1 = nullptr;
  TComboBox* sComboBox1 = nullptr;
  TWinControl* sGroupBox1 = nullptr;
  TTimer* Timer1 = nullptr;

 protected:
  explicit TTaskForm(TComponent* owner) : TForm(owner) {
    PublishMethod("sComboBox1Change", &TTaskForm::sComboBox1Change);
    PublishMethod("sSpeedButton1Click", &TTaskForm::sSpeedButton1Click);
    PublishMethod("sButton1Click", &TTaskForm::sButton1Click);
    PublishMethod("sBitBtn1Click", &TTaskForm::sBitBtn1Click);
    PublishMethod("Timer1Timer", &TTaskForm::Timer1Timer);
    PublishField("sListBox1", sListBox1);
    PublishField("sComboBox1", sComboBox1);
    PublishField("sGroupBox1", sGroupBox1);
    PublishField("Timer1", Timer1);
  }

  // The editor takes its controls once the layout has made them.
  void AttachEditor() { editor_.Attach(sListBox1, sGroupBox1, Timer1); }

  TPuzzle puzzle_;
  TaskEditor editor_{puzzle_, *this};

 private:
  // TaskWindowDisplay: every task window hands over the same way.
  void ShowNextWindow() override {
    if (next_) next_->Show();
  }
  void HideWindow() override { Hide(); }

  TCustomForm* next_ = nullptr;
};
