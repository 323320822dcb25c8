#pragma once
// Stand-ins for the program's four windows: forms of the layouts' class
// names whose handlers only count calls, so the real layouts can be read
// with every binding they make. The classes register the skinned controls
// and the skin manager with the program's class registry.
#include <map>
#include <string>

#include "framework/TCustomForm.h"

class TProgramWindow : public TForm {
 public:
  explicit TProgramWindow(TComponent* owner);

  // Calls per handler name.
  std::map<std::string, int> Calls;

  // Registers the framework, skin and control classes (once is enough).
  static void RegisterClasses();

 private:
  void FormCreate(TObject*) { Count("FormCreate"); }
  void sSpeedButton1Click(TObject*) { Count("sSpeedButton1Click"); }
  void sComboBox1Change(TObject*) { Count("sComboBox1Change"); }
  void sBitBtn1Click(TObject*) { Count("sBitBtn1Click"); }
  void sButton1Click(TObject*) { Count("sButton1Click"); }
  void sButton2Click(TObject*) { Count("sButton2Click"); }
  void sButton3Click(TObject*) { Count("sButton3Click"); }
  void sButton4Click(TObject*) { Count("sButton4Click"); }
  void sButton5Click(TObject*) { Count("sButton5Click"); }
  void Timer1Timer(TObject*) { Count("Timer1Timer"); }
  void Timer2Timer(TObject*) { Count("Timer2Timer"); }
  void FormClose(TObject*, TCloseAction&) { Count("FormClose"); }
  void Count(const std::string& handler) { ++Calls[handler]; }
};

class TForm1 : public TProgramWindow {
 public:
  TRAINER_CLASS_INFO()
  using TProgramWindow::TProgramWindow;
};

class TForm2 : public TProgramWindow {
 public:
  TRAINER_CLASS_INFO()
  using TProgramWindow::TProgramWindow;
};

class TForm3 : public TProgramWindow {
 public:
  TRAINER_CLASS_INFO()
  using TProgramWindow::TProgramWindow;
};

class TForm4 : public TProgramWindow {
 public:
  TRAINER_CLASS_INFO()
  using TProgramWindow::TProgramWindow;
};
