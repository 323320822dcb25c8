#pragma once
// Asking a control (or a window) for what lies under its children, its
// colour, and the section that lends its font colours to a child.
#include "platform/Color.h"
#include "platform/windowing/WinTypes.h"

class TControl;
class TsSkinManager;
struct TsBackgroundRequest;

// A control that takes part in the engine answers its SKC_GET_COLOR
// (resolved); any other control its own colour; none 0xFF00FF.
TColor ParentColor(TControl* control);
// The same for a window: its control's colour when the window belongs to a
// control that does not take part, else its SKC_GET_COLOR answer.
TColor ParentColor(HWND window);

// Sends SKC_GET_BACKGROUND to the control. Unanswered, the request is
// answered with the control's colour (drawn at once with drawNow).
void AskForBackground(TsBackgroundRequest& request, TControl* control, bool drawNow);
// Sends SKC_GET_BACKGROUND to the window only.
void AskForBackground(TsBackgroundRequest& request, HWND window, bool drawNow);

// The section whose font colours a control uses: its parent's section
// unless that one is mostly transparent (then the parent's parent decides)
// or does not give its own font (then defaultIndex).
int FontSectionIndex(TControl* control, int defaultIndex, TsSkinManager* manager);
