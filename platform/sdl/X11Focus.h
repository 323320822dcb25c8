#pragma once
// Keyboard focus and stacking on X11 beyond what SDL offers. Without a window
// manager SDL gives the input focus to every window it maps (and the focus is
// lost when that window goes), and its raise asks the window manager to
// activate the window. Drop-down lists, menus and hints must never take the
// focus from the window the pupil types into; these calls let them keep out
// of its way. Kept in its own file because Xlib's names clash with the layer's.
#include <SDL.h>

#include <optional>
#include <vector>

class X11Focus {
 public:
  // The window holding the keyboard focus now (an X window id, or the
  // None/PointerRoot marks), to hand it back with restore. 0 off X11.
  static unsigned long current(SDL_Window* any);
  static void restore(SDL_Window* any, unsigned long focus);
  // Whether the keyboard focus is on one of `windows` (asked of the X
  // server, so that focus changes still on their way do not count); no
  // answer off X11.
  static std::optional<bool> heldByOneOf(const std::vector<SDL_Window*>& windows);
  // Puts the window above the others without activating it. False off X11,
  // where the caller has nothing better than leaving the order alone.
  static bool raiseOnly(SDL_Window* window);
};
