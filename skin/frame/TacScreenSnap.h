#pragma once
// Snapping a moved window to the screen's edges: an edge of the window that
// comes within `buffer` pixels of the same edge of the screen (inside or
// outside) is put on it. The left and top edges win when both edges of an
// axis are close (a window nearly as large as the screen).
#include "platform/Geometry.h"
#include "platform/windowing/WinTypes.h"

void SnapToScreen(WINDOWPOS& pos, TSize screen, int buffer);
