#include "platform/controls/TextCase.h"

#include "platform/controls/EditBuffer.h"

char32_t TextCase::fold(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 0x20;
  if (c >= 0x410 && c <= 0x42F) return c + 0x20;  // А..Я
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;  // Ѐ..Џ, Ё among them
  return c;
}

std::u32string TextCase::fold(std::string_view utf8) {
  std::u32string text = EditBuffer::decode(utf8);
  for (char32_t& c : text) c = fold(c);
  return text;
}

std::string TextCase::encode(char32_t c) { return EditBuffer::encode(std::u32string_view(&c, 1)); }
