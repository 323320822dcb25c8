#include "framework/THintController.h"

#include "framework/TApplication.h"
#include "framework/TControl.h"
#include "framework/THintWindow.h"
#include "framework/TTimer.h"
#include "platform/windowing/WinUser.h"

namespace {
// Where the hint sits below the cursor's hot spot.
constexpr int kCursorHeight = 16;
}  // namespace

THintController::THintController(TComponent* owner)
    : TComponent(owner), showTimer_(new TTimer(this)), hideTimer_(new TTimer(this)) {
  showTimer_->SetEnabled(false);
  hideTimer_->SetEnabled(false);
  showTimer_->OnTimer = [this](TObject*) { ShowTimerFired(); };
  hideTimer_->OnTimer = [this](TObject*) { HideHint(); };
}

THintController::~THintController() {
  showTimer_->SetEnabled(false);
  hideTimer_->SetEnabled(false);
}

std::string THintController::ShortHint(const std::string& hint) {
  // "short|long": the part before the bar is the hint.
  return hint.substr(0, hint.find('|'));
}

void THintController::MouseOver(TControl* control) {
  if (window_ && control == static_cast<TControl*>(window_)) return;
  if (control == hintControl_) return;
  recentlyShown_ = window_ && window_->Active();
  HideHint();
  if (hintControl_) hintControl_->RemoveFreeNotification(this);
  hintControl_ = nullptr;
  if (!control || !Application || !Application->ShowHint) return;
  if (!control->ShowHint() || ShortHint(control->Hint()).empty()) return;
  hintControl_ = control;
  control->FreeNotification(this);
  showTimer_->SetInterval(static_cast<unsigned>(recentlyShown_ ? Application->HintShortPause : Application->HintPause));
  showTimer_->SetEnabled(true);
}

void THintController::Cancel() {
  showTimer_->SetEnabled(false);
  HideHint();
}

void THintController::HideHint() {
  hideTimer_->SetEnabled(false);
  if (window_) window_->ReleaseHint();
}

void THintController::HintWindowClassChanged() {
  HideHint();
  if (window_) {
    window_->Free();
    window_ = nullptr;
  }
}

void THintController::ShowTimerFired() {
  showTimer_->SetEnabled(false);
  TControl* control = hintControl_;
  if (!control || !Application || !control->Showing()) return;

  POINT cursor{};
  GetCursorPos(&cursor);
  THintInfo info;
  info.HintControl = control;
  info.HintPos = {cursor.X, cursor.Y + kCursorHeight};
  info.HintMaxWidth = GetSystemMetrics(SM_CXSCREEN);
  info.HintStr = ShortHint(control->Hint());
  info.CursorRect = control->ClientRect();
  info.CursorPos = control->ScreenToClient(cursor);
  bool canShow = true;
  if (Application->OnShowHint) Application->OnShowHint(info.HintStr, canShow, info);
  if (!canShow) return;
  // The control may change or refuse it too (answer non-zero refuses).
  if (control->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) != 0) return;
  if (info.HintStr.empty()) return;

  if (!window_) {
    const THintWindowFactory& factory = Application->HintWindowClass();
    window_ = factory ? factory(this) : new THintWindow(this);
    if (!window_) return;
  }
  TRect r = window_->CalcHintRect(info.HintMaxWidth, info.HintStr);
  window_->ActivateHint(r.Offset(info.HintPos.X, info.HintPos.Y), info.HintStr);
  hideTimer_->SetInterval(static_cast<unsigned>(Application->HintHidePause));
  hideTimer_->SetEnabled(true);
}

void THintController::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == hintControl_) {
    hintControl_ = nullptr;
    Cancel();
  }
  if (component == window_) window_ = nullptr;
}
