#include "platform/sdl/X11ErrorLog.h"

#include <unistd.h>

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

[[noreturn]] int connectionLost(Display*) {
  // Xlib's own handler calls exit(), whose clean-up destroys our windows
  // through the connection that is gone, and SDL then waits for the dead
  // server's answer for ever, spinning. Nothing is left unsaved at this
  // point (the result file is written whole when the pupil confirms), so
  // the program ends at once.
  static const char text[] = "puzzle-trainer: the connection to the display was lost\n";
  [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, text, sizeof text - 1);
  _exit(1);
}
#endif
}  // namespace

void X11ErrorLog::install() {
#ifdef TRAINER_HAVE_X11
  XSetErrorHandler(&logError);
  XSetIOErrorHandler(&connectionLost);
#endif
}
