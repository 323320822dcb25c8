/* Times a program's start-up as a pupil sees it:
 *   first-window-time PROGRAM [ARGS...]
 * starts PROGRAM on the display of $DISPLAY and prints two times in
 * milliseconds from the start: when its first top-level window was mapped,
 * and when that window first showed a painted (non-black) pixel in its
 * title bar. The program is then ended. Exit status 1 when no window was
 * painted within 10 seconds. */
#define _POSIX_C_SOURCE 200809L
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

/* A pixel of the window's top rows, a quarter of its width in: the title
 * bar once the frame is painted (the server fills a new window black). */
static int painted(Display* display, Window window) {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable) return 0;
  XImage* image = XGetImage(display, window, attributes.width / 4, 8, 1, 1, AllPlanes, ZPixmap);
  if (!image) return 0;
  const unsigned long pixel = XGetPixel(image, 0, 0);
  XDestroyImage(image);
  return (pixel & 0xFFFFFF) != 0;
}

static int ignore_errors(Display* display, XErrorEvent* error) {
  (void)display;
  (void)error;
  return 0;
}

int main(int argc, char** argv) {
  if (argc < 2) {
    fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
    return 2;
  }
  Display* display = XOpenDisplay(NULL);
  if (!display) {
    fprintf(stderr, "%s: cannot open the display\n", argv[0]);
    return 2;
  }
  XSetErrorHandler(ignore_errors);  /* windows may go while they are looked at */
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  const double start = now_ms();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  double mapped = -1, shown = -1;
  Window window = 0;
  while (now_ms() - start < 10000 && shown < 0) {
    while (XPending(display)) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify && !event.xmap.override_redirect && !window) {
        window = event.xmap.window;
        mapped = now_ms() - start;
      }
    }
    if (window && painted(display, window)) {
      shown = now_ms() - start;
      break;
    }
    struct pollfd fd = {ConnectionNumber(display), POLLIN, 0};
    poll(&fd, 1, window ? 1 : 5);
  }
  kill(child, SIGTERM);
  waitpid(child, NULL, 0);
  XCloseDisplay(display);
  if (shown < 0) {
    fprintf(stderr, "%s: no painted window within 10 s\n", argv[0]);
    return 1;
  }
  printf("%.1f %.1f\n", mapped, shown);
  return 0;
}
