#pragma once
// A window's frame as the skinned controls and their adapters handle it:
// having the platform measure and draw it again (ChangeFrame, from the
// windowing layer), and painting over the whole window (frame included)
// through a context of its own.
#include <functional>

#include "platform/graphics/DeviceContext.h"
#include "platform/windowing/WinTypes.h"
#include "platform/windowing/WinUser.h"

// `paint` draws on the window's own context, whose state is put back before
// the context is released; nothing happens when the window gives none.
void PaintOnWindowDC(HWND window, const std::function<void(HDC)>& paint);
