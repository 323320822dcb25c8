#include "app/TrainerProgram.h"

#include "app/TForm4.h"
#include "controls/ControlsClasses.h"
#include "framework/TClassRegistry.h"
#include "puzzles/TForm1.h"
#include "puzzles/TForm2.h"
#include "puzzles/TForm3.h"
#include "skin/TsSkinManager.h"

TrainerProgram::TrainerProgram() {
  application_.Initialize();
  RegisterSkinClasses(TClassRegistry::Global());
  RegisterControlsClasses(TClassRegistry::Global());
  application_.SetTitle(std::string(kTitle));
  application_.CreateForm(form1_);
  application_.CreateForm(form2_);
  application_.CreateForm(form3_);
  application_.CreateForm(form4_);
  form1_->SetNextWindow(form2_);
  form2_->SetNextWindow(form3_);
  form3_->SetNextWindow(form4_);
}

// The application destroys the windows, newest first.
TrainerProgram::~TrainerProgram() = default;

void TrainerProgram::ShowMainWindow() {
  if (form1_->Visible()) form1_->Show();
}

void TrainerProgram::Run() { application_.Run(); }
