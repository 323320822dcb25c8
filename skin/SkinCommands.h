#pragma once
// Sending the skin command message to one window, one control (windowless
// controls by direct dispatch), a container's children or a window's child
// windows; the two notices containers and controls send most; and the
// answers every skinned control gives about itself.
#include "framework/FrameworkMessages.h"
#include "skin/SkinCommandMessage.h"
#include "platform/windowing/WinTypes.h"

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
// answers whether the command was one of them (message.Result then holds
// the answer), so a skinned control answers them even while it is plain.
bool AnswerIdentityQuery(TMessage& message);

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
