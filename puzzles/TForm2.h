#pragma once
// The river-crossing window: ferry the goat, the wolf and the cabbage across
// with the old man's boat. Each tick moves the figures' pictures between the
// banks of the river photograph. Closing it closes the main window, which
// ends the program.
#include <array>

#include "framework/TCustomForm.h"
#include "puzzles/RiverPuzzle.h"
#include "puzzles/TaskEditor.h"
#include "puzzles/TaskWindowDisplay.h"

class TComboBox;
class TImage;
class TListBox;
class TTimer;

class TForm2 : public TForm, private TaskWindowDisplay {
 public:
  TRAINER_CLASS_INFO()

  explicit TForm2(TComponent* owner);

  // The window shown when the river is crossed.
  void SetNextWindow(TCustomForm* next) { next_ = next; }

  const RiverPuzzle& Puzzle() const { return puzzle_; }
  const TaskEditor& Editor() const { return editor_; }
  // The picture of `figure`.
  TImage* Picture(RiverFigure figure) const;

  // Handlers bound by the layout.
  void FormClose(TObject* sender, TCloseAction& action);
  void sComboBox1Change(TObject* sender);
  void sSpeedButton1Click(TObject* sender);
  void sButton1Click(TObject* sender);
  void sBitBtn1Click(TObject* sender);
  void Timer1Timer(TObject* sender);

  TListBox* sListBox1 = nullptr;
  TComboBox* sComboBox1 = nullptr;
  TWinControl* sGroupBox1 = nullptr;
  TTimer* Timer1 = nullptr;
  TImage* Image1 = nullptr;  // the old man in his boat
  TImage* Image3 = nullptr;  // wolf
  TImage* Image4 = nullptr;  // goat
  TImage* Image5 = nullptr;  // cabbage

 protected:
  void Loaded() override;

 private:
  // TaskWindowDisplay
  void ShowPuzzle(const PuzzleView& view) override;
  void ShowNextWindow() override;
  void HideWindow() override;

  RiverPuzzle puzzle_;
  TaskEditor editor_{puzzle_, *this};
  TCustomForm* next_ = nullptr;
};
