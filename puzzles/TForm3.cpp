#include "puzzles/TForm3.h"

#include <string>

#include "framework/TApplication.h"
#include "framework/TTimer.h"
#include "framework/controls/TShape.h"
#include "framework/controls/TSpinEdit.h"
#include "framework/streaming/TClassInfo.h"

const TClassInfo& TForm3::StaticClassInfo() {
  static const TClassInfo info("TForm3", &TForm::StaticClassInfo());
  return info;
}

TForm3::TForm3(TComponent* owner) : TTaskForm(owner) {
  PublishMethod("FormCreate", &TForm3::FormCreate);
  PublishMethod("FormClose", &TForm3::FormClose);
  PublishMethod("sButton2Click", &TForm3::sButton2Click);
  PublishMethod("sButton3Click", &TForm3::sButton3Click);
  PublishMethod("sButton4Click", &TForm3::sButton4Click);
  PublishMethod("sButton5Click", &TForm3::sButton5Click);
  PublishMethod("Timer2Timer", &TForm3::Timer2Timer);
  PublishField("SpinEdit1", SpinEdit1);
  PublishField("Timer2", Timer2);
  for (int number = 1; number <= kShapeCount; ++number)
    PublishField("Shape" + std::to_string(number), shapes_[static_cast<std::size_t>(number - 1)]);
}

void TForm3::FormCreate(TObject*) {
  AttachEditor();
  // Empty command list, then the start layout on screen.
  editor_.Clear();
}

void TForm3::FormClose(TObject*, TCloseAction&) {
  // The tube window is not the main window; closing it still ends the program.
  if (Application && Application->MainForm() && Application->MainForm() != this) Application->MainForm()->Close();
}

void TForm3::sButton2Click(TObject*) { editor_.AppendAndSelect(TubePuzzle::kTiltUp); }
void TForm3::sButton3Click(TObject*) { editor_.AppendAndSelect(TubePuzzle::kTiltLeft); }
void TForm3::sButton4Click(TObject*) { editor_.AppendAndSelect(TubePuzzle::kTiltRight); }
void TForm3::sButton5Click(TObject*) { editor_.AppendAndSelect(TubePuzzle::kTiltDown); }

void TForm3::Timer1Timer(TObject*) {
  // The delay field is read again at every tick, so a change made during a
  // replay takes effect at the next one.
  if (SpinEdit1) puzzle_.setDelay(TubePuzzle::DelayFromText(SpinEdit1->CurrentText()));
  editor_.Tick();
}

void TForm3::Timer2Timer(TObject*) { editor_.Play(puzzle_.exitTick()); }

void TForm3::ShowBall(int place, Ball ball) {
  if (TShape* yellow = BallShape(place)) yellow->SetVisible(ball == Ball::Yellow);
  if (TShape* green = BallShape(place + kBallPlaces)) green->SetVisible(ball == Ball::Green);
}

void TForm3::ShowPuzzle(const PuzzleView& view) {
  const auto* tube = std::get_if<TubeView>(&view);
  if (!tube) return;
  for (int cell = 1; cell <= kTubeCells; ++cell) ShowBall(cell, tube->cell(cell));
  ShowBall(TubePuzzle::kNicheSlot, tube->niche);
}

void TForm3::StartExitTimer() {
  if (Timer2) Timer2->SetEnabled(true);
}

void TForm3::StopExitTimer() {
  if (Timer2) Timer2->SetEnabled(false);
}
