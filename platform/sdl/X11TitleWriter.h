#pragma once
// SDL writes the legacy X11 title property (WM_NAME) in the locale's
// encoding, which garbles Cyrillic in the C locale; tools that find windows
// by name read exactly that property. This writes it again as UTF-8. Kept in
// its own file because Xlib's names (Window, Font) clash with the layer's.
#include <SDL.h>

#include <string>

class X11TitleWriter {
 public:
  // Does nothing off X11 or when built without Xlib.
  static void write(SDL_Window* window, const std::string& utf8);
};
