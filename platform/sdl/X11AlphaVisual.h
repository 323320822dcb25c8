#pragma once
// Translucent windows with per-pixel alpha on X: a window made with a 32-bit
// TrueColor visual carries its alpha in the fourth byte of every pixel, and
// a compositing manager blends it (premultiplied, as our layered pictures
// are) over whatever lies beneath. SDL makes such a window when told the
// visual's id before the window is created.
#include <SDL.h>

#include <string>

namespace X11AlphaVisual {

// The id of a 32-bit TrueColor visual of the display `window` is on, as SDL's
// visual hint takes it ("0x…"); empty where there is none or no X11.
std::string find(SDL_Window* window);

}  // namespace X11AlphaVisual
