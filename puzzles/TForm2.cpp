#include "puzzles/TForm2.h"

#include <array>

#include "framework/TApplication.h"
#include "framework/controls/TImage.h"
#include "framework/streaming/TClassInfo.h"

const TClassInfo& TForm2::StaticClassInfo() {
  static const TClassInfo info("TForm2", &TForm::StaticClassInfo());
  return info;
}

TForm2::TForm2(TComponent* owner) : TTaskForm(owner) {
  PublishMethod("FormClose", &TForm2::FormClose);
  PublishField("Image1", Image1);
  PublishField("Image3", Image3);
  PublishField("Image4", Image4);
  PublishField("Image5", Image5);
}

void TForm2::Loaded() {
  TTaskForm::Loaded();
  // The window has no creation handler of its own; the editor takes its
  // controls as soon as the layout has made them.
  AttachEditor();
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

void TForm2::ShowPuzzle(const PuzzleView& view) {
  const auto* river = std::get_if<RiverView>(&view);
  if (!river) return;
  for (RiverFigure figure : RiverPuzzle::kShowOrder) {
    TImage* picture = Picture(figure);
    if (!picture) continue;
    const TRect& place = river->picture(figure);
    picture->SetHeight(place.Height());
    picture->SetWidth(place.Width());
    picture->SetTop(place.Top);
    picture->SetLeft(place.Left);
  }
}
