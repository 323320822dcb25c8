#pragma once
// The tube window: roll the four yellow balls out of a tube that also holds
// four green ones. The algorithm is written with four direct command buttons;
// each step tick tilts the tube and the exit timer then removes a ball that
// has rolled out and tests for success. Closing it closes the main window,
// which ends the program.
#include <array>

#include "puzzles/TTaskForm.h"
#include "puzzles/TubePuzzle.h"

class TShape;
class TSpinEdit;

// The next window (SetNextWindow) is shown when every yellow ball has
// rolled out.
class TForm3 : public TTaskForm<TubePuzzle> {
 public:
  TRAINER_CLASS_INFO()

  // Ball shapes: the yellow shapes Shape1..Shape17, then the green ones
  // Shape18..Shape34; place 17 of each colour is the niche.
  static constexpr int kBallPlaces = 17;
  static constexpr int kShapeCount = 2 * kBallPlaces;

  explicit TForm3(TComponent* owner);

  // Shape `number` (1 to 34) as the layout names it.
  TShape* BallShape(int number) const { return shapes_.at(static_cast<std::size_t>(number - 1)); }

  // Handlers bound by the layout, beside the editor's.
  void FormCreate(TObject* sender);
  void FormClose(TObject* sender, TCloseAction& action);
  void sButton2Click(TObject* sender);  // tilt up
  void sButton3Click(TObject* sender);  // tilt left
  void sButton4Click(TObject* sender);  // tilt right
  void sButton5Click(TObject* sender);  // tilt down
  // The step timer reads the delay field first.
  void Timer1Timer(TObject* sender) override;
  void Timer2Timer(TObject* sender);

  TSpinEdit* SpinEdit1 = nullptr;  // delay between steps
  TTimer* Timer2 = nullptr;        // exit timer

 private:
  // TaskWindowDisplay
  void ShowPuzzle(const PuzzleView& view) override;
  void StartExitTimer() override;
  void StopExitTimer() override;

  // Makes the yellow and green shapes of `place` show `ball`.
  void ShowBall(int place, Ball ball);

  std::array<TShape*, kShapeCount> shapes_{};
};
