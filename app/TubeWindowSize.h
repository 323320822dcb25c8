#pragma once
// The outer size of the tube window, the one that must fit the screen
// whatever scale the desktop asks for: its client size from its layout and
// the fixed frame and caption around it. Read before the backend starts.
#include "platform/Geometry.h"

// Empty when the layout cannot be read (no limit then).
SIZE TubeWindowSize();
