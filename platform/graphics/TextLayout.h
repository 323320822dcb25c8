#pragma once
// Breaks a DrawText string into lines by its format flags: prefix
// characters, line breaks, word wrapping and end ellipses. Measures only;
// drawing is DrawText's part.
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/graphics/Font.h"

class TextLayout {
 public:
  struct Line {
    std::vector<char32_t> text;
    std::vector<std::uint8_t> underlined;  // per character: 1 under an "&" prefix
    int width = 0;
  };

  // widthLimit is the rectangle's width (word wrapping and ellipses).
  TextLayout(Font& font, std::string_view utf8, unsigned format, int widthLimit);

  const std::vector<Line>& lines() const { return lines_; }
  int width() const;  // the widest line
  int tabWidth() const { return tabWidth_; }
  // Advance of the first `count` characters of a line.
  int prefixWidth(const Line& line, std::size_t count) const;

 private:
  void addParagraph(std::vector<char32_t>& text, std::vector<std::uint8_t>& marks);
  void addLine(std::vector<char32_t> text, std::vector<std::uint8_t> marks);
  void endWithEllipsis(Line& line) const;

  Font& font_;
  unsigned format_;
  int widthLimit_;
  int tabWidth_ = 0;
  std::vector<Line> lines_;
};
