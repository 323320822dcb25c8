#pragma once
// Turns the program's UTF-8 text into single-byte Windows-1251, the code page
// the result file is kept in. A character the code page cannot hold (and any
// byte that is not valid UTF-8) becomes one "?", so a name is never dropped or
// cut short because of one unusual letter.
#include <iconv.h>

#include <string>
#include <string_view>

class Windows1251Encoder {
 public:
  Windows1251Encoder();
  ~Windows1251Encoder();
  Windows1251Encoder(const Windows1251Encoder&) = delete;
  Windows1251Encoder& operator=(const Windows1251Encoder&) = delete;

  std::string Encode(std::string_view utf8);

 private:
  // The byte for one UTF-8 encoded character, or '?' when it has none.
  char EncodeCharacter(std::string_view character);

  iconv_t converter_;
};
