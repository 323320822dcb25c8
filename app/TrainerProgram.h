#pragma once
// The program's start-up: the application object, the four windows created
// in the order TForm1 .. TForm4 (the first is the main window) and the
// hand-over between them. Run() is the message loop; it shows the main
// window, the only one marked visible, and returns when the program ends.
// The desktop binary and the headless tests and screenshots start the
// program through this class, on whatever backend is installed.
#include <string_view>

#include "framework/TApplication.h"

class TForm1;
class TForm2;
class TForm3;
class TForm4;

class TrainerProgram {
 public:
  // The title of the application, which every message box carries.
  static constexpr std::string_view kTitle = "Тренажёр алгоритмов";

  // Initialises the application and creates the four windows. A backend
  // must be installed.
  TrainerProgram();
  ~TrainerProgram();
  TrainerProgram(const TrainerProgram&) = delete;
  TrainerProgram& operator=(const TrainerProgram&) = delete;

  // Shows the main window as the loop would, without entering the loop
  // (for drivers that run the loop themselves).
  void ShowMainWindow();
  // The message loop, until the main window closes.
  void Run();

  TApplication& Application() { return application_; }
  TForm1* JugsWindow() const { return form1_; }
  TForm2* RiverWindow() const { return form2_; }
  TForm3* TubeWindow() const { return form3_; }
  TForm4* NameWindow() const { return form4_; }

 private:
  TApplication application_{nullptr};
  TForm1* form1_ = nullptr;
  TForm2* form2_ = nullptr;
  TForm3* form3_ = nullptr;
  TForm4* form4_ = nullptr;
};
