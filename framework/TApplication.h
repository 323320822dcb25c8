#pragma once
// The program object: creates the forms (the first becomes the main form),
// runs the message loop until the main form closes or Terminate is called,
// and reports exceptions that escape event handlers in its standard error
// box (a message box with the exception's text; the program goes on). It
// also carries the hint settings and the replaceable hint window class.
#include <exception>
#include <functional>
#include <string>

#include "framework/TComponent.h"
#include "framework/TCustomForm.h"
#include "framework/THintController.h"

class THintWindow;
using THintWindowFactory = std::function<THintWindow*(TComponent* owner)>;
using TExceptionEvent = std::function<void(TObject* Sender, const std::exception_ptr& E)>;

class TApplication : public TComponent {
 public:
  TRAINER_CLASS_INFO()

  explicit TApplication(TComponent* owner);
  ~TApplication() override;

  // Registers the framework's classes and installs the exception reporter.
  void Initialize();

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title) { title_ = title; }

  TCustomForm* MainForm() const { return mainForm_; }
  // Creates a form owned by the application, reads its layout and runs its
  // OnCreate; the first form created is the main form.
  template <class T>
  void CreateForm(T*& reference) {
    T* form = new T(this);
    if (!mainForm_) mainForm_ = form;
    reference = form;
    form->InitializeForm();
  }

  // Shows the main form when it is marked visible and runs the loop until
  // the program ends.
  void Run();
  // Ends the loop at its next turn.
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Handles every waiting message, then returns.
  void ProcessMessages();

  // The standard error report.
  void HandleException(std::exception_ptr error);
  void ShowException(const std::string& message);
  TExceptionEvent OnException;

  // Hints.
  int HintPause = 500;
  int HintShortPause = 200;
  int HintHidePause = 2500;
  bool ShowHint = true;
  TShowHintEvent OnShowHint;
  const THintWindowFactory& HintWindowClass() const { return hintWindowClass_; }
  void SetHintWindowClass(THintWindowFactory factory);
  // Hides any hint (a button or key was pressed).
  void CancelHint();
  THintController* Hints() const { return hints_; }

  // Called by the main form as it is destroyed.
  void FormDestroyed(TCustomForm* form);

 private:
  std::string title_ = "Trainer";
  TCustomForm* mainForm_ = nullptr;
  bool terminated_ = false;
  bool reporting_ = false;
  THintWindowFactory hintWindowClass_;
  THintController* hints_ = nullptr;
};

// The program's application object, made by the program at start.
extern TApplication* Application;
