#include "puzzles/TForm1.h"

#include "controls/TsGauge.h"
#include "framework/streaming/TClassInfo.h"

const TClassInfo& TForm1::StaticClassInfo() {
  static const TClassInfo info("TForm1", &TForm::StaticClassInfo());
  return info;
}

TForm1::TForm1(TComponent* owner) : TTaskForm(owner) {
  PublishMethod("FormCreate", &TForm1::FormCreate);
  PublishField("sGauge1", sGauge1);
  PublishField("sGauge3", sGauge3);
  PublishField("sLabelFX6", sLabelFX6);
  PublishField("sLabelFX7", sLabelFX7);
  PublishField("sLabelFX8", sLabelFX8);
  PublishField("sLabelFX9", sLabelFX9);
  PublishField("sLabelFX10", sLabelFX10);
}

void TForm1::FormCreate(TObject*) {
  puzzle_ = JugsPuzzle();  // stage 1
  AttachEditor();
}

void TForm1::SetGaugeMaxima(const PuzzleView& view) {
  const auto* jugs = std::get_if<JugsView>(&view);
  if (!jugs) return;
  if (sGauge1) sGauge1->SetMaxValue(jugs->gaugeMax1);
  if (sGauge3) sGauge3->SetMaxValue(jugs->gaugeMax2);
}

void TForm1::ShowPuzzle(const PuzzleView& view) {
  const auto* jugs = std::get_if<JugsView>(&view);
  if (!jugs) return;
  if (sGauge1) sGauge1->SetProgress(jugs->jug1);
  if (sGauge3) sGauge3->SetProgress(jugs->jug2);
  if (sLabelFX6) sLabelFX6->SetCaption(jugs->contentsLabel1());
  if (sLabelFX7) sLabelFX7->SetCaption(jugs->contentsLabel2());
}

void TForm1::ShowStageTexts(const PuzzleView& view) {
  const auto* jugs = std::get_if<JugsView>(&view);
  if (!jugs) return;
  if (sLabelFX8) sLabelFX8->SetCaption(std::string(jugs->capacityLabel1));
  if (sLabelFX9) sLabelFX9->SetCaption(std::string(jugs->capacityLabel2));
  if (sLabelFX10) sLabelFX10->SetCaption(std::string(jugs->stageLabel));
}
