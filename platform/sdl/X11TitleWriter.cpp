#include "platform/sdl/X11TitleWriter.h"

#include <SDL_syswm.h>

#ifdef TRAINER_HAVE_X11
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

void X11TitleWriter::write([[maybe_unused]] SDL_Window* window, [[maybe_unused]] const std::string& utf8) {
#ifdef TRAINER_HAVE_X11
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
  Display* display = info.info.x11.display;
  const Atom utf8String = XInternAtom(display, "UTF8_STRING", False);
  XChangeProperty(display, info.info.x11.window, XA_WM_NAME, utf8String, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(utf8.data()), static_cast<int>(utf8.size()));
  XFlush(display);
#endif
}
