#include "skin/SkinCommands.h"

#include <vector>

#include "framework/TApplication.h"
#include "framework/TCustomForm.h"
#include "framework/TWinControl.h"
#include "platform/windowing/WinUser.h"
#include "skin/TacEngineFlags.h"

LRESULT SendSkinCommand(HWND window, WORD command, LPARAM lParam, WORD argument) {
  if (!window || !IsWindow(window)) return 0;
  return SendMessage(window, SM_SKINCOMMAND, SkinCommand(command, argument), lParam);
}

LRESULT SendSkinCommand(TControl* control, WORD command, LPARAM lParam, WORD argument) {
  if (!control) return 0;
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    if (windowed->IsDestroying() || !windowed->HandleAllocated()) return 0;
    return SendMessage(windowed->Handle(), SM_SKINCOMMAND, SkinCommand(command, argument), lParam);
  }
  return control->Perform(SM_SKINCOMMAND, SkinCommand(command, argument), lParam);
}

bool WindowAnswersOne(HWND window, WORD command) { return SendSkinCommand(window, command) == 1; }

bool ControlAnswersOne(TControl* control, WORD command) {
  if (!control) return false;
  // A windowed control without its window yet still answers through its handler.
  if (auto* windowed = dynamic_cast<TWinControl*>(control); windowed && !windowed->HandleAllocated())
    return !windowed->IsDestroying() && control->Perform(SM_SKINCOMMAND, SkinCommand(command), 0) == 1;
  return SendSkinCommand(control, command) == 1;
}

std::optional<LRESULT> IdentityAnswer(WPARAM wParam) {
  switch (SkinCommandOf(wParam)) {
    case SKC_QUERY_SKINNED: return 1;
    case SKC_GET_APPLICATION: return reinterpret_cast<LRESULT>(Application);
    default: return std::nullopt;
  }
}

bool AnswerIdentityQuery(TMessage& message) {
  const std::optional<LRESULT> answer = IdentityAnswer(message.WParam);
  if (answer) message.Result = *answer;
  return answer.has_value();
}

void TellChildren(TWinControl& container, TMessage& message) {
  // A copy: a receiver may add or remove children.
  std::vector<TControl*> children;
  for (int i = 0; i < container.ControlCount(); ++i) children.push_back(container.Controls(i));
  for (TControl* child : children) {
    if (child->IsDestroying()) break;
    auto* windowed = dynamic_cast<TWinControl*>(child);
    if (!windowed || !windowed->HandleAllocated()) {
      child->Dispatch(message);
      continue;
    }
    if (WindowAnswersOne(windowed->Handle(), SKC_QUERY_SKINNED)) {
      message.Result = SendMessage(windowed->Handle(), message.Msg, message.WParam, message.LParam);
    } else {
      TellChildren(*windowed, message);
    }
  }
}

namespace {
struct ChildWindowMessage {
  HWND parent;
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
};

BOOL SendToDirectChild(HWND child, LPARAM data) {
  const auto* m = reinterpret_cast<const ChildWindowMessage*>(data);
  if (GetParent(child) == m->parent) SendMessage(child, m->msg, m->wParam, m->lParam);
  return TRUE;
}
}  // namespace

void TellChildWindows(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!window || !IsWindow(window)) return;
  ChildWindowMessage message{window, msg, wParam, lParam};
  EnumChildWindows(window, &SendToDirectChild, reinterpret_cast<LPARAM>(&message));
}

void RepaintChildren(TWinControl& container) {
  if (TacEngineFlags::ShowWindowFadeRunning) return;
  // The count is read again each step: a repainted child may change the list.
  for (int i = 0; i < container.ControlCount(); ++i) {
    auto* child = dynamic_cast<TWinControl*>(container.Controls(i));
    if (!child || child->IsDestroying() || !child->HandleAllocated() || !child->Showing()) continue;
    SendSkinCommand(child->Handle(), SKC_CHILD_REPAINT);
  }
}

void NotifyForm(TControl& control) {
  if (control.HasState(csDesigning)) return;
  TCustomForm* form = GetParentForm(&control);
  if (form && form != &control) SendSkinCommand(form, SKC_CONTROL_CHANGED, reinterpret_cast<LPARAM>(&control));
}
