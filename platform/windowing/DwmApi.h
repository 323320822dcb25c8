#pragma once
// Whether the desktop composes windows, after the classic desktop API: where
// it does, a layered window's per-pixel alpha shows; where it does not (a
// plain X server without a compositor), translucent pictures must be laid
// over a capture of the screen by their owner.
#include "platform/windowing/WinTypes.h"

using HRESULT = long;
constexpr HRESULT S_OK = 0;
constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003L);

HRESULT DwmIsCompositionEnabled(BOOL* enabled);
