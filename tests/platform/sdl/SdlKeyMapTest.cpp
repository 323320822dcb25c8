// Keys as SDL reports them turned into the classic virtual keys: letters go
// by the layout while it types Latin letters, and by the physical key under
// a layout that types none, so shortcuts work whichever layout is on.
#include <gtest/gtest.h>

#include "platform/sdl/SdlKeyMap.h"
#include "platform/windowing/WinMessages.h"

namespace {

SDL_Keysym Key(SDL_Scancode where, SDL_Keycode types) {
  SDL_Keysym key{};
  key.scancode = where;
  key.sym = types;
  return key;
}

TEST(SdlKeyMap, UnderTheRussianLayoutTheLettersArePhysicalKeys) {
  // The keys of Ctrl+A, C, V, X, Z type "ф", "с", "м", "ч", "я" there.
  EXPECT_EQ(SdlKeyMap::virtualKey(Key(SDL_SCANCODE_A, 0x444)), 'A');
  EXPECT_EQ(SdlKeyMap::virtualKey(Key(SDL_SCANCODE_C, 0x441)), 'C');
  EXPECT_EQ(SdlKeyMap::virtualKey(Key(SDL_SCANCODE_V, 0x43C)), 'V');
  EXPECT_EQ(SdlKeyMap::virtualKey(Key(SDL_SCANCODE_X, 0x447)), 'X');
  EXPECT_EQ(SdlKeyMap::virtualKey(Key(SDL_SCANCODE_Z, 0x44F)), 'Z');
  // "ё" lies left of 1, where no letter of the classic keys is.
  EXPECT_EQ(SdlKeyMap::virtualKey(Key(SDL_SCANCODE_GRAVE, 0x451)), 0);
  // An accented letter on the digit row (French "é" on 2) is that digit's key.
  EXPECT_EQ(SdlKeyMap::virtualKey(Key(SDL_SCANCODE_2, 0xE9)), '2');
}

TEST(SdlKeyMap, LatinLayoutsKeepTheirOwnLettersAndPunctuationStaysUnmapped) {
  EXPECT_EQ(SdlKeyMap::virtualKey(Key(SDL_SCANCODE_A, SDLK_a)), 'A');
  // AZERTY: the key where QWERTY has Q types "a" and is VK_A.
  EXPECT_EQ(SdlKeyMap::virtualKey(Key(SDL_SCANCODE_Q, SDLK_a)), 'A');
  // AZERTY's comma where QWERTY has M is no letter key.
  EXPECT_EQ(SdlKeyMap::virtualKey(Key(SDL_SCANCODE_M, SDLK_COMMA)), 0);
  EXPECT_EQ(SdlKeyMap::virtualKey(Key(SDL_SCANCODE_F4, SDLK_F4)), VK_F4);
  EXPECT_EQ(SdlKeyMap::virtualKey(Key(SDL_SCANCODE_DOWN, SDLK_DOWN)), VK_DOWN);
}

}  // namespace
