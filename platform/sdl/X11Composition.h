#pragma once
// Asks the X server whether a compositing manager runs (it owns the
// selection _NET_WM_CM_S<screen>): only then do translucent windows show
// their per-pixel alpha. Without X11 support the desktop is trusted.
#include <SDL.h>

namespace X11Composition {

// True where the desktop composes windows; `window` is any window of ours
// on that desktop.
bool running(SDL_Window* window);

}  // namespace X11Composition
