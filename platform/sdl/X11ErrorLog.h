#pragma once
// Xlib's default error handler ends the program on any error the X server
// reports, and such reports arrive late, long after the request that caused
// them. A request about a window that has just gone away (a message box or a
// drop-down list closed a moment before) is harmless to this program, so
// errors are written to stderr and otherwise ignored. A lost connection
// ends the program at once (Xlib's separate I/O error handler; its default
// one exits through clean-up that hangs on the dead server). Kept in its own file
// because Xlib's names (Window, Font) clash with the layer's.
class X11ErrorLog {
 public:
  // Makes the logging handler the process's X error handler. Does nothing
  // when built without Xlib. Safe to call more than once.
  static void install();
};
