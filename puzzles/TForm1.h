#pragma once
// The jugs window, the program's main window: measure one litre with two jugs
// in three stages. Its controls come from layouts/TForm1.lfm; the handlers
// the layout binds pass each event to the algorithm editor and the jugs model.
#include "puzzles/JugsPuzzle.h"
#include "puzzles/TTaskForm.h"

class TControl;
class TsGauge;

// The next window (SetNextWindow) is shown when the third stage is solved.
class TForm1 : public TTaskForm<JugsPuzzle> {
 public:
  TRAINER_CLASS_INFO()

  explicit TForm1(TComponent* owner);

  // Handlers bound by the layout, beside the editor's.
  void FormCreate(TObject* sender);

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
};
