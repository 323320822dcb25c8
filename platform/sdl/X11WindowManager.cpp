#include "platform/sdl/X11WindowManager.h"

#include <SDL_syswm.h>

#ifdef TRAINER_HAVE_X11
#include <X11/Xatom.h>
#include <X11/Xlib.h>

bool X11WindowManager::running(SDL_Window* any) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!any || !SDL_GetWindowWMInfo(any, &info) || info.subsystem != SDL_SYSWM_X11) return true;
  Display* display = info.info.x11.display;
  // An EWMH window manager names its check window on the root window.
  const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
  if (check == None) return false;
  Atom type = None;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  const int status = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW, &type,
                                        &format, &items, &after, &data);
  const bool found = status == Success && type == XA_WINDOW && items == 1;
  if (data) XFree(data);
  return found;
}

#else

bool X11WindowManager::running(SDL_Window*) { return true; }

#endif
