#include "skin/TacSkinBroadcast.h"

#include <algorithm>

#include "framework/TApplication.h"
#include "framework/TCustomForm.h"
#include "framework/TWinControl.h"
#include "platform/windowing/WinUser.h"
#include "skin/SkinCommandMessage.h"
#include "skin/frame/TacSkinnedForms.h"

namespace {

LRESULT SendToForm(TCustomForm& form, UINT msg, WPARAM wParam, LPARAM lParam) {
  // A form without a window yet still answers through its own procedure.
  if (form.HandleAllocated()) return SendMessage(form.Handle(), msg, wParam, lParam);
  return form.Perform(msg, wParam, lParam);
}

bool Skipped(const TCustomForm& form) { return form.IsDestroying() || form.IsLoading(); }

struct ChildMessage {
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
};

// Windowless controls have no window to be enumerated: their container
// hands them the message by direct dispatch after its own window heard it.
void SendToWindowlessChildren(HWND container, const ChildMessage& m) {
  TWinControl* control = TWinControl::FindControl(container);
  if (control == nullptr) return;
  // The count is read again each step: a receiver may change the list.
  for (int i = 0; i < control->ControlCount(); ++i) {
    TControl* child = control->Controls(i);
    if (dynamic_cast<TWinControl*>(child) != nullptr || child->IsDestroying()) continue;
    TMessage message{m.msg, m.wParam, m.lParam, 0};
    child->Dispatch(message);
    if (!IsWindow(container) || TWinControl::FindControl(container) != control) return;
  }
}

BOOL SendToChild(HWND child, LPARAM data) {
  const auto* m = reinterpret_cast<const ChildMessage*>(data);
  SendMessage(child, m->msg, m->wParam, m->lParam);
  if (IsWindow(child)) SendToWindowlessChildren(child, *m);
  return TRUE;
}

}  // namespace

void TacSkinBroadcast::SendToFormAndControls(TCustomForm& form, UINT msg, WPARAM wParam, LPARAM lParam) {
  const HWND window = form.HandleAllocated() ? form.Handle() : nullptr;
  SendToForm(form, msg, wParam, lParam);
  // The receiver may have destroyed the form; only its window is trusted now.
  if (window == nullptr || !IsWindow(window)) return;
  ChildMessage message{msg, wParam, lParam};
  SendToWindowlessChildren(window, message);
  if (!IsWindow(window)) return;
  EnumChildWindows(window, &SendToChild, reinterpret_cast<LPARAM>(&message));
}

void TacSkinBroadcast::Broadcast(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (Application != nullptr) {
    // Receivers may create or free forms: the count is read again each step,
    // and a form that moved down after a freed one is not told twice.
    std::vector<TCustomForm*> told;
    for (int i = Application->ComponentCount() - 1; i >= 0; --i) {
      if (Application == nullptr || i >= Application->ComponentCount()) continue;
      auto* form = dynamic_cast<TCustomForm*>(Application->Components(i));
      if (form == nullptr || Skipped(*form)) continue;
      if (std::find(told.begin(), told.end(), form) != told.end()) continue;
      told.push_back(form);
      // A form that takes part in the engine passes the message on itself.
      if (SendToForm(*form, SM_SKINCOMMAND, SkinCommand(SKC_QUERY_SKINNED), 0) == 1) continue;
      SendToFormAndControls(*form, msg, wParam, lParam);
    }
  }
  for (std::size_t i = 0; i < TacSkinnedForms::Count(); ++i) {
    TCustomForm* form = TacSkinnedForms::At(i);
    if (form == nullptr || form->IsDestroying()) continue;
    SendToFormAndControls(*form, msg, wParam, lParam);
  }
}

std::vector<HWND> TacSkinBroadcast::FramedTopLevelForms() {
  std::vector<HWND> windows;
  for (std::size_t i = 0; i < TacSkinnedForms::Count(); ++i) {
    TCustomForm* form = TacSkinnedForms::At(i);
    if (form == nullptr || form->IsDestroying() || !form->Visible() || form->Parent() != nullptr) continue;
    if (!form->HandleAllocated()) continue;
    if (SendMessage(form->Handle(), SM_SKINCOMMAND, SkinCommand(SKC_GET_FRAME_PROVIDER), 0) == 0) continue;
    windows.push_back(form->Handle());
  }
  return windows;
}

void TacSkinBroadcast::SetRedraw(const std::vector<HWND>& windows, bool on) {
  for (HWND window : windows) {
    if (IsWindow(window)) SendMessage(window, WM_SETREDRAW, on ? 1 : 0, 0);
  }
}

void TacSkinBroadcast::RedrawNow(const std::vector<HWND>& windows) {
  for (HWND window : windows) {
    if (IsWindow(window)) {
      RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE);
    }
  }
}
