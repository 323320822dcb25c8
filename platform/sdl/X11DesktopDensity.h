#pragma once
// The desktop's font density setting (the X resource Xft.dpi) that GNOME,
// KDE and xrdb set for HiDPI screens. Read once at start, before the
// program's first window, over a connection of its own.

namespace X11DesktopDensity {

// Xft.dpi, or 0 when it is not set (or there is no X display).
double xftDpi();

}  // namespace X11DesktopDensity
