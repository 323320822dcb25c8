#pragma once
// Sleeping until the X server has something for the program, without SDL's
// own blocking wait. While SDL_WaitEventTimeout sleeps, every event it queues
// makes it wake itself with a client message sent over a second X connection
// to the newest SDL window. The server does not order the requests of two
// connections, so when that window (a message box, a drop-down list) is
// destroyed right after, the server may see the destroy first and answer
// the message with BadWindow. Waiting here while SDL only polls never sends
// that message. Kept in its own file because Xlib's names clash with the
// layer's.
#include <SDL.h>

class X11EventWait {
 public:
  // Sleeps until the display connection of `window` has input, or
  // `timeoutMs` have passed (negative: no limit); returns at once when input
  // is already queued. Answers false, without waiting, when the window is not
  // on X11 or the program is built without Xlib: the caller waits through SDL.
  static bool wait(SDL_Window* window, int timeoutMs);
};
