#pragma once
// Case-insensitive comparison of item texts for list and combo searches:
// Latin and Cyrillic letters fold to lower case, other characters stay.
#include <string>
#include <string_view>

class TextCase {
 public:
  static std::u32string fold(std::string_view utf8);
  static char32_t fold(char32_t c);
  static std::string encode(char32_t c);
};
