#include "platform/sdl/X11WindowFunctions.h"

#include <SDL_syswm.h>

#include "platform/windowing/WinStyles.h"

#ifdef TRAINER_HAVE_X11
#include <X11/Xlib.h>

namespace {

// The Motif window manager hints: flags saying which fields count, the
// allowed functions and the decorations.
constexpr unsigned long kHintFunctions = 1ul << 0;
constexpr unsigned long kHintDecorations = 1ul << 1;
constexpr unsigned long kFunctionResize = 1ul << 1;
constexpr unsigned long kFunctionMove = 1ul << 2;
constexpr unsigned long kFunctionMinimize = 1ul << 3;
constexpr unsigned long kFunctionMaximize = 1ul << 4;
constexpr unsigned long kFunctionClose = 1ul << 5;

struct MotifHints {
  unsigned long flags;
  unsigned long functions;
  unsigned long decorations;
  long inputMode;
  unsigned long status;
};

}  // namespace

void X11WindowFunctions::apply(SDL_Window* window, DWORD style) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
  Display* display = info.info.x11.display;
  unsigned long functions = kFunctionMove;
  if (style & WS_SYSMENU) functions |= kFunctionClose;
  if (style & WS_MINIMIZEBOX) functions |= kFunctionMinimize;
  if (style & WS_MAXIMIZEBOX) functions |= kFunctionMaximize;
  if (style & WS_THICKFRAME) functions |= kFunctionResize;
  MotifHints hints{kHintFunctions | kHintDecorations, functions, 0, 0, 0};
  const Atom atom = XInternAtom(display, "_MOTIF_WM_HINTS", False);
  XChangeProperty(display, info.info.x11.window, atom, atom, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&hints), sizeof hints / sizeof(long));
  XFlush(display);
}

#else

void X11WindowFunctions::apply(SDL_Window*, DWORD) {}

#endif
