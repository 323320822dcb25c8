#include "platform/sdl/X11EventWait.h"

#include <SDL_syswm.h>
#include <poll.h>

#include <cerrno>

#ifdef TRAINER_HAVE_X11
#include <X11/Xlib.h>
#endif

bool X11EventWait::wait([[maybe_unused]] SDL_Window* window, [[maybe_unused]] int timeoutMs) {
#ifdef TRAINER_HAVE_X11
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return false;
  Display* display = info.info.x11.display;
  // Sends what is buffered and reads what has arrived; events that SDL's
  // own calls (a window shown, a sync) read into Xlib's queue count too.
  if (XPending(display) > 0) return true;
  pollfd connection{ConnectionNumber(display), POLLIN, 0};
  // A signal ends the sleep early; the caller's loop looks at the clock again.
  if (poll(&connection, 1, timeoutMs) < 0 && errno != EINTR) return false;
  return true;
#else
  return false;
#endif
}
