#pragma once
// Tells the window manager what it may do to a window, through the Motif
// hints that X window managers read: a window offers the desktop only what
// its own frame offers the pupil. The name window has no frame buttons, so a
// manager that honours the hints offers neither
// Close nor Minimise for it. Some do not (openbox keeps Close and Iconify
// whatever the hints say): the program itself refuses a close request for
// a window without a close box (InputRouter::closeRequested) and brings back
// one without a minimise box (SdlBackend). The window stays borderless, as
// SDL made it: the program paints its frame itself.
// Kept in its own file because Xlib's names clash with the layer's.
#include <SDL.h>

#include "platform/windowing/WinTypes.h"

class X11WindowFunctions {
 public:
  // Moving always; closing with a system menu; minimising and maximising
  // with their boxes; resizing with a sizing frame. Nothing off X11.
  static void apply(SDL_Window* window, DWORD style);
};
