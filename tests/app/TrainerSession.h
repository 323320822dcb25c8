#pragma once
// The whole program on the headless screen, driven like a pupil would drive
// it: clicks on the named controls of the four windows, the command picker
// opened and an entry clicked, keys typed, the virtual clock run. Every
// message box that appears is recorded (text, title, whether a replay timer
// was still running, its place and picture) and closed with its OK button,
// as a pupil would.
// Runs in a fresh working directory, so "res.txt" is the test's own.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/TrainerProgram.h"
#include "platform/headless/HeadlessDriver.h"
#include "tests/app/ScopedWorkDir.h"

class TControl;
class TCustomForm;
class TTimer;

struct SeenMessage {
  std::string Text;
  std::string Title;
  bool ReplayTimerRunning = false;
  RECT Frame{};     // the box's window rectangle on the screen
  Bitmap Picture;   // the box as the screen showed it, frame included
  RECT Ok{};        // the OK button inside Picture
  Bitmap OkCache;   // the skinned OK button's own picture (empty when plain)
  std::string OkSection;
  DWORD OkType = 0;  // the OK button's window style type (BS_...)
};

class TrainerSession {
 public:
  TrainerSession();
  ~TrainerSession();

  TrainerProgram& Program() { return *program_; }
  HeadlessDriver& Driver() { return driver_; }
  ScopedWorkDir& WorkDir() { return dir_; }

  // The control named `name` on `window`.
  TControl* Control(TCustomForm* window, std::string_view name) const;
  // Clicks the middle of a control, windowed or not.
  void Click(TCustomForm* window, std::string_view name);
  // Opens the window's command picker with the mouse and clicks entry `index`.
  void Choose(TCustomForm* window, int index);
  // Clicks "ВЫПОЛНИТЬ".
  void Execute(TCustomForm* window) { Click(window, "sBitBtn1"); }
  // Runs the virtual clock.
  void Run(unsigned ms) { driver_.runFor(ms); }

  // The lines of the window's command list, its selected line, its panel state.
  std::vector<std::string> Lines(TCustomForm* window) const;
  int SelectedLine(TCustomForm* window) const;
  bool PanelEnabled(TCustomForm* window) const;
  bool StepTimerOn(TCustomForm* window) const;

  // The four windows that are on screen.
  std::vector<TCustomForm*> VisibleWindows() const;
  // Texts of the message boxes seen since the last call, then forgets them.
  std::vector<std::string> TakeMessages();
  const std::vector<SeenMessage>& Messages() const { return messages_; }

 private:
  void AnswerMessageBox();
  bool AnyReplayTimerRunning() const;

  HeadlessDriver driver_;
  ScopedWorkDir dir_;
  std::unique_ptr<TrainerProgram> program_;
  std::unique_ptr<TTimer> answerer_;
  // The click on OK runs the loop until idle, where the answerer ticks
  // again: one answer at a time, as a person gives it.
  bool answering_ = false;
  std::vector<SeenMessage> messages_;
};
