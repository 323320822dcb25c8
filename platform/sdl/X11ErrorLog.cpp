#include "platform/sdl/X11ErrorLog.h"

#include <cstdio>

#ifdef TRAINER_HAVE_X11
#include <X11/Xlib.h>
#endif

namespace {
#ifdef TRAINER_HAVE_X11
int logError(Display* display, XErrorEvent* error) {
  // Only local look-ups here: a handler must not wait for the server.
  char text[160] = "";
  XGetErrorText(display, error->error_code, text, sizeof text);
  std::fprintf(stderr, "X error ignored: %s (request %u.%u, resource 0x%lx, serial %lu)\n", text,
               static_cast<unsigned>(error->request_code), static_cast<unsigned>(error->minor_code),
               static_cast<unsigned long>(error->resourceid), static_cast<unsigned long>(error->serial));
  return 0;
}
#endif
}  // namespace

void X11ErrorLog::install() {
#ifdef TRAINER_HAVE_X11
  XSetErrorHandler(&logError);
#endif
}
