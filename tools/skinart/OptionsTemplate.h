#pragma once
// The hand-written source of the skin options file. It is the options file
// itself with two conveniences that the generator resolves:
//   rgb(R,G,B)   a colour, written out as the decimal 0x00BBGGRR value the
//                skin loader reads (the options file has no colour syntax);
//   {KEY}        an image entry whose rectangle the generator computed, for
//                example {BUTTON.BORDERSMASK}.
// Comment lines (starting with ";") document the source and are dropped.
#include <map>
#include <string>

#include "platform/Result.h"

class OptionsTemplate {
 public:
  explicit OptionsTemplate(std::string text) : text_(std::move(text)) {}

  // The options file; an error names the first unknown key, malformed colour
  // or image entry that the text never uses.
  Result<std::string> expand(const std::map<std::string, std::string>& images) const;

 private:
  std::string text_;
};
