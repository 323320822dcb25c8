#include "platform/sdl/X11AlphaVisual.h"

#include <SDL_syswm.h>

#include <cstdio>

#ifdef TRAINER_HAVE_X11
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#endif

namespace X11AlphaVisual {

std::string find([[maybe_unused]] SDL_Window* window) {
#ifdef TRAINER_HAVE_X11
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return {};
  Display* display = info.info.x11.display;
  XVisualInfo visual;
  if (!XMatchVisualInfo(display, DefaultScreen(display), 32, TrueColor, &visual)) return {};
  char id[32];
  std::snprintf(id, sizeof id, "0x%lx", static_cast<unsigned long>(visual.visualid));
  return id;
#else
  return {};
#endif
}

}  // namespace X11AlphaVisual
