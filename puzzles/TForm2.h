#pragma once
// The river-crossing window: ferry the goat, the wolf and the cabbage across
// with the old man's boat. Each tick moves the figures' pictures between the
// banks of the river photograph. Closing it closes the main window, which
// ends the program.
#include "puzzles/RiverPuzzle.h"
#include "puzzles/TTaskForm.h"

class TImage;

// The next window (SetNextWindow) is shown when the river is crossed.
class TForm2 : public TTaskForm<RiverPuzzle> {
 public:
  TRAINER_CLASS_INFO()

  explicit TForm2(TComponent* owner);

  // The picture of `figure`.
  TImage* Picture(RiverFigure figure) const;

  // Handlers bound by the layout, beside the editor's.
  void FormClose(TObject* sender, TCloseAction& action);

  TImage* Image1 = nullptr;  // the old man in his boat
  TImage* Image3 = nullptr;  // wolf
  TImage* Image4 = nullptr;  // goat
  TImage* Image5 = nullptr;  // cabbage

 protected:
  void Loaded() override;

 private:
  // TaskWindowDisplay
  void ShowPuzzle(const PuzzleView& view) override;
};
