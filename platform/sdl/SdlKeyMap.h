#pragma once
// Translation of SDL key events to the classic virtual keys.
#include <SDL.h>

class SdlKeyMap {
 public:
  // 0 for keys the program has no use for. Letters and digits go by the
  // layout where it types Latin ones there (as on the classic desktop, where
  // the key typing "a" on a French keyboard is VK_A), and by the physical
  // key where it does not: under the Russian layout the key typing "ф" is
  // VK_A, so that Ctrl+A selects all whichever layout the pupil has on.
  static int virtualKey(const SDL_Keysym& key);
  // The key code alone (the layout's choice), 0 where it names no key of ours.
  static int virtualKey(SDL_Keycode key);
};
