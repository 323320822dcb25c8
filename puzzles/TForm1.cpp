#include "puzzles/TForm1.h"

#include "controls/TsGauge.h"
#include "framework/streaming/TClassInfo.h"
#include "framework/controls/TComboBox.h"
#include "framework/controls/TListBox.h"
#include "framework/TTimer.h"

const TClassInfo& TForm1::StaticClassInfo() {
  static const TClassInfo info("TForm1", &TForm::StaticClassInfo());
  return info;
}

TForm1::TForm1(TComponent* owner) : TForm(owner) {
  PublishMethod("FormCreate", &TForm1::FormCreate);
  PublishMethod("sComboBox1Change", &TForm1::sComboBox1Change);
  PublishMethod("sSpeedButton1Click", &TForm1::sSpeedButton1Click);
  PublishMethod("sButton1Click", &TForm1::sButton1Click);
  PublishMethod("sBitBtn1Click", &TForm1::sBitBtn1Click);
  PublishMethod("Timer1Timer", &TForm1::Timer1Timer);
  PublishField("sListBox1", sListBox1);
  PublishField("sComboBox1", sComboBox1);
  PublishField("sGroupBox1", sGroupBox1);
  PublishField("Timer1", Timer1);
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
  editor_.Attach(sListBox1, sGroupBox1, Timer1);
}

void TForm1::sComboBox1Change(TObject*) {
  if (sComboBox1) editor_.AppendLine(sComboBox1->CurrentText());
}

void TForm1::sSpeedButton1Click(TObject*) { editor_.RemoveSelected(); }

void TForm1::sButton1Click(TObject*) { editor_.Clear(); }

void TForm1::sBitBtn1Click(TObject*) { editor_.Execute(); }

void TForm1::Timer1Timer(TObject*) { editor_.Tick(); }

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

void TForm1::ShowNextWindow() {
  if (next_) next_->Show();
}

void TForm1::HideWindow() { Hide(); }
