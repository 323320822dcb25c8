#pragma once
// Sending the skin command message to one window, one control (windowless
// controls by direct dispatch), a container's children or a window's child
// windows; the two notices containers and controls send most; and the
// answers every skinned control gives about itself.
#include <optional>

#include "framework/FrameworkMessages.h"
#include "platform/windowing/WinTypes.h"
#include "skin/SkinCommandMessage.h"

class TControl;
class TWinControl;

// wParam = the command in the high word and its argument in the low word.
LRESULT SendSkinCommand(HWND window, WORD command, LPARAM lParam = 0, WORD argument = 0);
// Windowed controls through their window (nothing without one or while
// being destroyed), windowless ones by direct dispatch.
LRESULT SendSkinCommand(TControl* control, WORD command, LPARAM lParam = 0, WORD argument = 0);
bool WindowAnswersOne(HWND window, WORD command);
bool ControlAnswersOne(TControl* control, WORD command);
// SKC_QUERY_SKINNED (1) and SKC_GET_APPLICATION (the running application):
// what every skinned control answers about itself, plain or skinned. No
// answer for the other commands.
std::optional<LRESULT> IdentityAnswer(WPARAM wParam);
// The same for a message: answers whether the command was one of them
// (message.Result then holds the answer).
bool AnswerIdentityQuery(TMessage& message);
// How the skin command message enters a skinned control's handler: the
// identity queries are answered here, the other commands go to `handler`,
// which answers whether it consumed them. Other messages are left alone.
template <typename Handler>
bool RouteSkinCommand(TMessage& message, Handler&& handler) {
  if (message.Msg != SM_SKINCOMMAND) return false;
  return AnswerIdentityQuery(message) || handler(message);
}

// Every child of the container in order, stopping at one being destroyed:
// windowless children (and those without a window) by direct dispatch,
// windowed children that take part in the engine through their window, and
// the other windowed children are descended into with the same rule.
void TellChildren(TWinControl& container, TMessage& message);
// Every window whose direct parent is `window`.
void TellChildWindows(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
// Unless a show-window fade runs: SKC_CHILD_REPAINT to each showing child
// window of the container.
void RepaintChildren(TWinControl& container);
// The control's form hears SKC_CONTROL_CHANGED about it.
void NotifyForm(TControl& control);
