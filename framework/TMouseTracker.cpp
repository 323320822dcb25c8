#include "framework/TMouseTracker.h"

#include "framework/TControl.h"
#include "framework/TWinControl.h"
#include "platform/windowing/WinUser.h"

namespace {
TControl* current = nullptr;
std::function<void(TControl*)>& Observer() {
  static std::function<void(TControl*)> observer;
  return observer;
}

// The mouse over a standard control's inner child (the edit of a combo box)
// is over that control: the nearest framework window up the child chain.
TControl* ControlUnder(HWND window) {
  for (HWND w = window; w; w = GetParent(w)) {
    if (TControl* control = TWinControl::FindControl(w)) return control;
    if (!(GetWindowLongPtr(w, GWL_STYLE) & WS_CHILD)) break;
  }
  return nullptr;
}

void OnTransition(HWND, HWND entered) { TMouseTracker::SetMouseControl(ControlUnder(entered)); }
}  // namespace

TControl* TMouseTracker::Current() { return current; }

void TMouseTracker::SetMouseControl(TControl* control) {
  if (control == current) return;
  TControl* left = current;
  current = control;
  // A handler may destroy either control; Forget() clears `current` then.
  if (left) left->Perform(CM_MOUSELEAVE, 0, 0);
  if (control && current == control) control->Perform(CM_MOUSEENTER, 0, 0);
  if (Observer() && current == control) Observer()(control);
}

void TMouseTracker::SetObserver(std::function<void(TControl*)> observer) { Observer() = std::move(observer); }

void TMouseTracker::Forget(const TControl* control) {
  if (current == control) current = nullptr;
}

void TMouseTracker::Install() { SetMouseTransitionHook(&OnTransition); }
