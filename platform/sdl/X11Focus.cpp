#include "platform/sdl/X11Focus.h"

#include <SDL_syswm.h>

#ifdef TRAINER_HAVE_X11
#include <X11/Xlib.h>

namespace {

bool x11Of(SDL_Window* window, SDL_SysWMinfo& info) {
  SDL_VERSION(&info.version);
  return window && SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11;
}

}  // namespace

unsigned long X11Focus::current(SDL_Window* any) {
  SDL_SysWMinfo info;
  if (!x11Of(any, info)) return 0;
  ::Window focus = None;
  int revert = RevertToNone;
  XGetInputFocus(info.info.x11.display, &focus, &revert);
  return focus;
}

void X11Focus::restore(SDL_Window* any, unsigned long focus) {
  SDL_SysWMinfo info;
  if (!x11Of(any, info)) return;
  Display* display = info.info.x11.display;
  ::Window now = None;
  int revert = RevertToNone;
  XGetInputFocus(display, &now, &revert);
  if (now == focus) return;
  // Back to the parent when the window goes, rather than to nothing.
  XSetInputFocus(display, focus, RevertToParent, CurrentTime);
  XFlush(display);
}

std::optional<bool> X11Focus::heldByOneOf(const std::vector<SDL_Window*>& windows) {
  SDL_SysWMinfo info;
  if (windows.empty() || !x11Of(windows.front(), info)) return std::nullopt;
  ::Window focus = None;
  int revert = RevertToNone;
  XGetInputFocus(info.info.x11.display, &focus, &revert);
  for (SDL_Window* window : windows) {
    SDL_SysWMinfo own;
    if (x11Of(window, own) && own.info.x11.window == focus) return true;
  }
  return false;
}

bool X11Focus::raiseOnly(SDL_Window* window) {
  SDL_SysWMinfo info;
  if (!x11Of(window, info)) return false;
  XRaiseWindow(info.info.x11.display, info.info.x11.window);
  XFlush(info.info.x11.display);
  return true;
}

#else

unsigned long X11Focus::current(SDL_Window*) { return 0; }
void X11Focus::restore(SDL_Window*, unsigned long) {}
std::optional<bool> X11Focus::heldByOneOf(const std::vector<SDL_Window*>&) { return std::nullopt; }
bool X11Focus::raiseOnly(SDL_Window*) { return false; }

#endif
