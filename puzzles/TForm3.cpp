#include "puzzles/TForm3.h"

#include <string>

#include "framework/TApplication.h"
#include "framework/streaming/TClassInfo.h"
#include "framework/controls/TListBox.h"
#include "framework/controls/TShape.h"
#include "framework/controls/TSpinEdit.h"
#include "framework/TTimer.h"

const TClassInfo& TForm3::StaticClassInfo() {
  static const TClassInfo info("TForm3", &TForm::StaticClassInfo());
  return info;
}

TForm3::TForm3(TComponent* owner) : TForm(owner) {
  PublishMethod("FormCreate", &TForm3::FormCreate);
  PublishMethod("FormClose", &TForm3::FormClose);
  PublishMethod("sButton2Click", &TForm3::sButton2Click);
  PublishMethod("sButton3Click", &TForm3::sButton3Click);
  PublishMethod("sButton4Click", &TForm3::sButton4Click);
  PublishMethod("sButton5Click", &TForm3::sButton5Click);
  PublishMethod("sSpeedButton1Click", &TForm3::sSpeedButton1Click);
  PublishMethod("sButton1Click", &TForm3::sButton1Click);
  PublishMethod("sBitBtn1Click", &TForm3::sBitBtn1Click);
  PublishMethod("Timer1Timer", &TForm3::Timer1Timer);
  PublishMethod("Timer2Timer", &TForm3::Timer2Timer);
  PublishField("sListBox1", sListBox1);
  PublishField("sGroupBox1", sGroupBox1);
  PublishField("SpinEdit1", SpinEdit1);
  PublishField("Timer1", Timer1);
  PublishField("Timer2", Timer2);
  for (int number = 1; number <= kShapeCount; ++number)
    PublishField("Shape" + std::to_string(number), shapes_[static_cast<std::size_t>(number - 1)]);
}

void TForm3::FormCreate(TObject*) {
  editor_.Attach(sListBox1, sGroupBox1, Timer1);
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

void TForm3::sSpeedButton1Click(TObject*) { editor_.RemoveSelected(); }

void TForm3::sButton1Click(TObject*) { editor_.Clear(); }

void TForm3::sBitBtn1Click(TObject*) { editor_.Execute(); }

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

void TForm3::ShowNextWindow() {
  if (next_) next_->Show();
}

void TForm3::HideWindow() { Hide(); }
