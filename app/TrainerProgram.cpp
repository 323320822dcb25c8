#include "app/TrainerProgram.h"

#include "app/TForm4.h"
#include "controls/ControlsClasses.h"
#include "framework/streaming/TClassRegistry.h"
#include "platform/PngCodec.h"
#include "platform/windowing/WinUser.h"
#include "puzzles/TForm1.h"
#include "puzzles/TForm2.h"
#include "puzzles/TForm3.h"
#include "resources/Resources.h"
#include "skin/TsSkinManager.h"

namespace {

// The application icon, a small house with a blue roof; the 32-pixel picture
// serves the desktop and is scaled down for the caption. Missing or broken,
// the windows simply have none.
void GiveIcon(std::initializer_list<TCustomForm*> windows) {
  const auto bytes = FindResource("icon/icon32.png");
  if (!bytes) return;
  Result<Bitmap> icon = PngCodec::decode(*bytes);
  if (!icon) return;
  for (TCustomForm* window : windows) SetWindowIcon(window->Handle(), &icon.value());
}

}  // namespace

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
  // The name window has no frame buttons, so no icon either.
  GiveIcon({form1_, form2_, form3_});
}

// The application destroys the windows, newest first.
TrainerProgram::~TrainerProgram() = default;

void TrainerProgram::ShowMainWindow() {
  if (form1_->Visible()) form1_->Show();
}

void TrainerProgram::Run() { application_.Run(); }
