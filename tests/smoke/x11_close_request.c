/* Asks a window to close the two ways a desktop does, for the smoke tests:
 *   x11-close-request WINDOW delete   the window manager's own request: the
 *                                     WM_DELETE_WINDOW protocol message sent
 *                                     straight to the window (what a manager
 *                                     sends on Alt+F4 or its close button)
 *   x11-close-request WINDOW net       a task bar's "Close": _NET_CLOSE_WINDOW
 *                                     sent to the root for the manager to act on
 * WINDOW is an X window id in decimal or 0x hex, as xdotool prints it. */
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int main(int argc, char** argv) {
  if (argc != 3 || (strcmp(argv[2], "delete") != 0 && strcmp(argv[2], "net") != 0)) {
    fprintf(stderr, "usage: %s WINDOW delete|net\n", argv[0]);
    return 2;
  }
  Display* display = XOpenDisplay(NULL);
  if (!display) {
    fprintf(stderr, "%s: cannot open the display\n", argv[0]);
    return 1;
  }
  const Window window = (Window)strtoul(argv[1], NULL, 0);
  XEvent event;
  memset(&event, 0, sizeof event);
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.format = 32;
  if (strcmp(argv[2], "delete") == 0) {
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.data.l[0] = (long)XInternAtom(display, "WM_DELETE_WINDOW", False);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
  } else {
    event.xclient.message_type = XInternAtom(display, "_NET_CLOSE_WINDOW", False);
    event.xclient.data.l[0] = CurrentTime;
    event.xclient.data.l[1] = 2; /* the request comes from a pager or task bar */
    XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask,
               &event);
  }
  XSync(display, False);
  XCloseDisplay(display);
  return 0;
}
