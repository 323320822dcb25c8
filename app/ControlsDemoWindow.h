#pragma once
// A window showing every standard control of the windowing layer in its
// plain classic look: buttons, check and radio boxes, a group box, edits,
// a list box with its scroll bar, both combo box styles, static texts and
// an up-down pair with its buddy edit.
#include "platform/windowing/WinUser.h"

// Registers the standard classes and the demo class, then creates the
// window hidden at (x, y) with the given owner (may be null).
HWND CreateControlsDemoWindow(int x, int y, HWND owner);
