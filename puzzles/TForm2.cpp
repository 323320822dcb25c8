#include "puzzles/TForm2.h"

#include "framework/TApplication.h"
#include "framework/streaming/TClassInfo.h"
#include "framework/controls/TComboBox.h"
#include "framework/controls/TImage.h"
#include "framework/controls/TListBox.h"
#include "framework/TTimer.h"

namespace {

// The order in which a shown state moves the pictures.
constexpr std::array<RiverFigure, kRiverFigureCount> kShowOrder = {RiverFigure::Goat, RiverFigure::Cabbage,
                                                                   RiverFigure::Wolf, RiverFigure::OldMan};

}  // namespace

const TClassInfo& TForm2::StaticClassInfo() {
  static const TClassInfo info("TForm2", &TForm::StaticClassInfo());
  return info;
}

TForm2::TForm2(TComponent* owner) : TForm(owner) {
  PublishMethod("FormClose", &TForm2::FormClose);
  PublishMethod("sComboBox1Change", &TForm2::sComboBox1Change);
  PublishMethod("sSpeedButton1Click", &TForm2::sSpeedButton1Click);
  PublishMethod("sButton1Click", &TForm2::sButton1Click);
  PublishMethod("sBitBtn1Click", &TForm2::sBitBtn1Click);
  PublishMethod("Timer1Timer", &TForm2::Timer1Timer);
  PublishField("sListBox1", sListBox1);
  PublishField("sComboBox1", sComboBox1);
  PublishField("sGroupBox1", sGroupBox1);
  PublishField("Timer1", Timer1);
  PublishField("Image1", Image1);
  PublishField("Image3", Image3);
  PublishField("Image4", Image4);
  PublishField("Image5", Image5);
}

void TForm2::Loaded() {
  TForm::Loaded();
  // The window has no creation handler of its own; the editor takes its
  // controls as soon as the layout has made them.
  editor_.Attach(sListBox1, sGroupBox1, Timer1);
}

TImage* TForm2::Picture(RiverFigure figure) const {
  switch (figure) {
    case RiverFigure::Goat: return Image4;
    case RiverFigure::Cabbage: return Image5;
    case RiverFigure::Wolf: return Image3;
    case RiverFigure::OldMan: return Image1;
  }
  return nullptr;
}

void TForm2::FormClose(TObject*, TCloseAction&) {
  // The river window is not the main window; closing it still ends the program.
  if (Application && Application->MainForm() && Application->MainForm() != this) Application->MainForm()->Close();
}

void TForm2::sComboBox1Change(TObject*) {
  if (sComboBox1) editor_.AppendLine(sComboBox1->CurrentText());
}

void TForm2::sSpeedButton1Click(TObject*) { editor_.RemoveSelected(); }

void TForm2::sButton1Click(TObject*) { editor_.Clear(); }

void TForm2::sBitBtn1Click(TObject*) { editor_.Execute(); }

void TForm2::Timer1Timer(TObject*) { editor_.Tick(); }

void TForm2::ShowPuzzle(const PuzzleView& view) {
  const auto* river = std::get_if<RiverView>(&view);
  if (!river) return;
  for (RiverFigure figure : kShowOrder) {
    TImage* picture = Picture(figure);
    if (!picture) continue;
    const TRect& place = river->picture(figure);
    picture->SetHeight(place.Height());
    picture->SetWidth(place.Width());
    picture->SetTop(place.Top);
    picture->SetLeft(place.Left);
  }
}

void TForm2::ShowNextWindow() {
  if (next_) next_->Show();
}

void TForm2::HideWindow() { Hide(); }
