#pragma once
// Whether a window manager runs on the program's X display. Without one
// nothing can iconify a window or bring it back, so minimising can only hide.
// Kept in its own file because Xlib's names clash with the layer's.
#include <SDL.h>

class X11WindowManager {
 public:
  // True off X11 (every other desktop manages its windows itself).
  static bool running(SDL_Window* any);
};
