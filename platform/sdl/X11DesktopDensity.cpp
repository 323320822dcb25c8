#include "platform/sdl/X11DesktopDensity.h"

#include <cstdlib>
#include <cstring>

#ifdef TRAINER_HAVE_X11
#include <X11/Xlib.h>
#endif

namespace X11DesktopDensity {

double xftDpi() {
#ifdef TRAINER_HAVE_X11
  Display* display = XOpenDisplay(nullptr);
  if (!display) return 0;
  double dpi = 0;
  // The resource string holds lines "name:\tvalue"; only this one matters.
  if (const char* resources = XResourceManagerString(display)) {
    static constexpr char kName[] = "Xft.dpi:";
    for (const char* line = resources; line && *line;) {
      if (std::strncmp(line, kName, sizeof kName - 1) == 0) {
        dpi = std::strtod(line + sizeof kName - 1, nullptr);
        break;
      }
      line = std::strchr(line, '\n');
      if (line) ++line;
    }
  }
  XCloseDisplay(display);
  return dpi > 0 ? dpi : 0;
#else
  return 0;
#endif
}

}  // namespace X11DesktopDensity
