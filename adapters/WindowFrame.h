#pragma once
// A window's frame as the skinned controls and their adapters handle it:
// having the platform measure and draw it again, and painting over the whole
// window (frame included) through a context of its own.
#include <functional>

#include "platform/graphics/DeviceContext.h"
#include "platform/windowing/WinTypes.h"

// The platform asks the window for its frame again (WM_NCCALCSIZE) and
// repaints it; the window keeps its place, size, stacking and activation.
void ChangeFrame(HWND window);
// `paint` draws on the window's own context, whose state is put back before
// the context is released; nothing happens when the window gives none.
void PaintOnWindowDC(HWND window, const std::function<void(HDC)>& paint);
