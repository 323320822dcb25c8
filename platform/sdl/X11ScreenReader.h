#pragma once
// Reads the X server's screen (the root window with everything on it) into
// a 24-bit picture. Empty without X11 or when the server refuses.
#include <SDL.h>

#include "platform/Bitmap.h"
#include "platform/windowing/WinTypes.h"

namespace X11ScreenReader {

// `window` is any window of ours on that screen; `screenRect` is in the
// program's logical pixels, and the picture has `scale` screen pixels for
// each of them.
Bitmap read(SDL_Window* window, const RECT& screenRect, int scale);

}  // namespace X11ScreenReader
