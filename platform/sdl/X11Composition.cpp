#include "platform/sdl/X11Composition.h"

#include <SDL_syswm.h>

#include <string>

#ifdef TRAINER_HAVE_X11
#include <X11/Xlib.h>
#endif

namespace X11Composition {

bool running([[maybe_unused]] SDL_Window* window) {
#ifdef TRAINER_HAVE_X11
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return true;
  Display* display = info.info.x11.display;
  const std::string name = "_NET_WM_CM_S" + std::to_string(DefaultScreen(display));
  const Atom selection = XInternAtom(display, name.c_str(), False);
  return XGetSelectionOwner(display, selection) != None;
#else
  return true;
#endif
}

}  // namespace X11Composition
