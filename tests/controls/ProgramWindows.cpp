#include "tests/controls/ProgramWindows.h"

#include "controls/ControlsClasses.h"
#include "framework/FrameworkClasses.h"
#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TClassRegistry.h"
#include "skin/TsSkinManager.h"

TProgramWindow::TProgramWindow(TComponent* owner) : TForm(owner) {
  PublishMethod("FormCreate", &TProgramWindow::FormCreate);
  PublishMethod("sSpeedButton1Click", &TProgramWindow::sSpeedButton1Click);
  PublishMethod("sComboBox1Change", &TProgramWindow::sComboBox1Change);
  PublishMethod("sBitBtn1Click", &TProgramWindow::sBitBtn1Click);
  PublishMethod("sButton1Click", &TProgramWindow::sButton1Click);
  PublishMethod("sButton2Click", &TProgramWindow::sButton2Click);
  PublishMethod("sButton3Click", &TProgramWindow::sButton3Click);
  PublishMethod("sButton4Click", &TProgramWindow::sButton4Click);
  PublishMethod("sButton5Click", &TProgramWindow::sButton5Click);
  PublishMethod("Timer1Timer", &TProgramWindow::Timer1Timer);
  PublishMethod("Timer2Timer", &TProgramWindow::Timer2Timer);
  PublishMethod("FormClose", &TProgramWindow::FormClose);
}

void TProgramWindow::RegisterClasses() {
  RegisterFrameworkClasses();
  RegisterSkinClasses(TClassRegistry::Global());
  RegisterControlsClasses(TClassRegistry::Global());
}

#define PROGRAM_WINDOW_CLASS(T)                                            \
  const TClassInfo& T::StaticClassInfo() {                                 \
    static const TClassInfo info(#T, &TForm::StaticClassInfo());           \
    return info;                                                           \
  }
PROGRAM_WINDOW_CLASS(TForm1)
PROGRAM_WINDOW_CLASS(TForm2)
PROGRAM_WINDOW_CLASS(TForm3)
PROGRAM_WINDOW_CLASS(TForm4)
