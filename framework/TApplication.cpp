#include "framework/TApplication.h"

#include "framework/ExceptionReport.h"
#include "framework/FrameworkClasses.h"
#include "framework/TMouseTracker.h"
#include "framework/controls/MessageForm.h"
#include "framework/streaming/TClassInfo.h"
#include "platform/controls/StandardClasses.h"
#include "platform/windowing/WinUser.h"

TApplication* Application = nullptr;

const TClassInfo& TApplication::StaticClassInfo() {
  static const TClassInfo info("TApplication", &TComponent::StaticClassInfo());
  return info;
}

TApplication::TApplication(TComponent* owner) : TComponent(owner) {
  if (!Application) Application = this;
}

TApplication::~TApplication() {
  // The forms go first (newest first), while the application still answers.
  hints_ = nullptr;
  TMouseTracker::SetObserver(nullptr);
  DestroyComponents();
  if (Application == this) {
    TMouseTracker::SetObserver(nullptr);
    Application = nullptr;
    SetExceptionReporter(nullptr);
  }
}

void TApplication::Initialize() {
  RegisterStandardClasses();
  RegisterFrameworkClasses();
  TMouseTracker::Install();
  if (!hints_) hints_ = new THintController(this);
  TMouseTracker::SetObserver([this](TControl* control) {
    if (hints_) hints_->MouseOver(control);
  });
  SetExceptionReporter([this](std::exception_ptr error) { HandleException(error); });
}

void TApplication::Run() {
  if (mainForm_ && mainForm_->Visible()) mainForm_->Show();
  MSG msg;
  while (!terminated_) {
    if (!GetMessage(&msg, nullptr, 0, 0)) {
      terminated_ = true;
      break;
    }
    TranslateMessage(&msg);
    DispatchMessage(&msg);
  }
}

void TApplication::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  PostQuitMessage(0);
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      terminated_ = true;
      PostQuitMessage(static_cast<int>(msg.wParam));  // the outer loop still has to see it
      return;
    }
    TranslateMessage(&msg);
    DispatchMessage(&msg);
  }
}

void TApplication::HandleException(std::exception_ptr error) {
  if (OnException) {
    OnException(this, error);
    return;
  }
  // An error while reporting an error is not reported again.
  if (reporting_) return;
  reporting_ = true;
  try {
    ShowException(ExceptionMessage(error));
  } catch (...) {
  }
  reporting_ = false;
}

void TApplication::ShowException(const std::string& message) { ShowMessage(message); }

void TApplication::SetHintWindowClass(THintWindowFactory factory) {
  hintWindowClass_ = std::move(factory);
  if (hints_) hints_->HintWindowClassChanged();
}

void TApplication::CancelHint() {
  if (hints_) hints_->Cancel();
}

void TApplication::FormDestroyed(TCustomForm* form) {
  if (mainForm_ == form) mainForm_ = nullptr;
}
