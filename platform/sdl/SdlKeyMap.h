#pragma once
// Translation of SDL key codes to the classic virtual keys.
#include <SDL.h>

class SdlKeyMap {
 public:
  // 0 for keys the program has no use for.
  static int virtualKey(SDL_Keycode key);
};
