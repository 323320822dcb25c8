#include "app/TForm4.h"

#include "app/ResultFile.h"
#include "framework/TApplication.h"
#include "framework/controls/TEdit.h"
#include "framework/streaming/TClassInfo.h"

const TClassInfo& TForm4::StaticClassInfo() {
  static const TClassInfo info("TForm4", &TForm::StaticClassInfo());
  return info;
}

TForm4::TForm4(TComponent* owner) : TForm(owner) {
  PublishMethod("sBitBtn1Click", &TForm4::sBitBtn1Click);
  PublishField("sEdit1", sEdit1);
}

bool TForm4::CloseQuery() { return false; }

void TForm4::sBitBtn1Click(TObject*) {
  // The program ends after the line, but input already queued (the second
  // click of a double click, Enter held down) still reaches this button
  // before the loop stops: it must not add the line a second time.
  if (lineWritten_) return;
  // A failure throws out of here: the application's error report shows it
  // and the program goes on with this window open.
  ResultFile().Append(sEdit1 ? sEdit1->CurrentText() : std::string());
  lineWritten_ = true;
  if (Application && Application->MainForm()) Application->MainForm()->Close();
}
