#pragma once
// Which messages the mouse sends: the move and the press, release and double
// click of its three buttons, over a window's client area (WM_MOUSEMOVE to
// WM_MBUTTONDBLCLK) or over its frame (WM_NCMOUSEMOVE to WM_NCMBUTTONDBLCLK).
// The wheel, hover and leave notices are not among them: nobody grabs or
// forwards those with the buttons.
#include "platform/windowing/WinMessages.h"

constexpr bool IsClientMouseMessage(UINT msg) { return msg >= WM_MOUSEMOVE && msg <= WM_MBUTTONDBLCLK; }

constexpr bool IsNonClientMouseMessage(UINT msg) { return msg >= WM_NCMOUSEMOVE && msg <= WM_NCMBUTTONDBLCLK; }

constexpr bool IsMouseMessage(UINT msg) { return IsClientMouseMessage(msg) || IsNonClientMouseMessage(msg); }

// The release of any of the three buttons over the client area.
constexpr bool IsClientButtonUp(UINT msg) { return msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP; }
