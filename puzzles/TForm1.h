#pragma once
// The jugs window, the program's main window: measure one litre with two jugs
// in three stages. Its controls come from layouts/TForm1.lfm; the handlers
// the layout binds pass each event to the algorithm editor and the jugs model.
#include "framework/TCustomForm.h"
#include "puzzles/JugsPuzzle.h"
#include "puzzles/TaskEditor.h"
#include "puzzles/TaskWindowDisplay.h"

class TComboBox;
class TControl;
class TListBox;
class TTimer;
class TsGauge;

class TForm1 : public TForm, private TaskWindowDisplay {
 public:
  TRAINER_CLASS_INFO()

  explicit TForm1(TComponent* owner);

  // The window shown when the third stage is solved.
  void SetNextWindow(TCustomForm* next) { next_ = next; }

  const JugsPuzzle& Puzzle() const { return puzzle_; }
  const TaskEditor& Editor() const { return editor_; }

  // Handlers bound by the layout.
  void FormCreate(TObject* sender);
  void sComboBox1Change(TObject* sender);
  void sSpeedButton1Click(TObject* sender);
  void sButton1Click(TObject* sender);
  void sBitBtn1Click(TObject* sender);
  void Timer1Timer(TObject* sender);

  TListBox* sListBox1 = nullptr;
  TComboBox* sComboBox1 = nullptr;
  TWinControl* sGroupBox1 = nullptr;
  TTimer* Timer1 = nullptr;
  TsGauge* sGauge1 = nullptr;  // jug 1
  TsGauge* sGauge3 = nullptr;  // jug 2
  TControl* sLabelFX6 = nullptr;   // contents of jug 1
  TControl* sLabelFX7 = nullptr;   // contents of jug 2
  TControl* sLabelFX8 = nullptr;   // capacity of jug 1
  TControl* sLabelFX9 = nullptr;   // capacity of jug 2
  TControl* sLabelFX10 = nullptr;  // stage

 private:
  // TaskWindowDisplay
  void ShowPuzzle(const PuzzleView& view) override;
  void SetGaugeMaxima(const PuzzleView& view) override;
  void ShowStageTexts(const PuzzleView& view) override;
  void ShowNextWindow() override;
  void HideWindow() override;

  JugsPuzzle puzzle_;
  TaskEditor editor_{puzzle_, *this};
  TCustomForm* next_ = nullptr;
};
