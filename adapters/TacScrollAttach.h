#pragma once
// Attaching a skinned control to the window adapters and detaching it: the
// control keeps the adapter in a slot it owns; an adapter that detached
// itself (its window went, the skin was removed) is freed at the next call.
#include <memory>

#include "adapters/TacScrollWnd.h"
#include "platform/windowing/WinTypes.h"

class TsCommonData;

// Scroll bars of any window: the platform's flat bars go while skinned.
void AttachScrollWnd(TsCommonData& skinData, std::unique_ptr<TacScrollWnd>& slot, HWND window);
// A list box: the frame from "EDIT" and its scroll bars.
void AttachEditWnd(TsCommonData& skinData, std::unique_ptr<TacScrollWnd>& slot, HWND window);
