#pragma once
// A stand-in for the program's first window while the real one is built:
// the jugs window's caption, size and frame with a few painted things.
#include "platform/windowing/WinUser.h"

// Registers the demo class once and creates the window, hidden and centred
// on the screen. Closing it ends the message loop.
HWND CreateDemoWindow();
