#include "platform/graphics/TextLayout.h"

#include <algorithm>

#include "platform/graphics/GlyphPainter.h"
#include "platform/graphics/TextDrawing.h"
#include "platform/graphics/Utf8.h"

namespace {

constexpr unsigned kEllipsisFlags = DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS;

}  // namespace

TextLayout::TextLayout(Font& font, std::string_view utf8, unsigned format, int widthLimit)
    : font_(font), format_(format), widthLimit_(widthLimit) {
  if (format & DT_EXPANDTABS) tabWidth_ = 8 * std::max(1, font.metrics().averageCharWidth);
  const bool prefixes = !(format & DT_NOPREFIX);
  const bool showPrefixes = !(format & DT_HIDEPREFIX);
  const bool singleLine = format & DT_SINGLELINE;

  std::vector<char32_t> text;
  std::vector<std::uint8_t> marks;
  bool pendingPrefix = false;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const char32_t cp = Utf8::next(utf8, pos);
    if (cp == U'\r' || cp == U'\n') {
      pendingPrefix = false;
      if (singleLine) continue;
      if (cp == U'\r' && pos < utf8.size() && utf8[pos] == '\n') ++pos;
      addParagraph(text, marks);
      continue;
    }
    if (prefixes && cp == U'&') {
      // "&&" is a literal "&"; a single "&" underlines what follows.
      if (pendingPrefix) {
        text.push_back(U'&');
        marks.push_back(0);
        pendingPrefix = false;
      } else {
        pendingPrefix = true;
      }
      continue;
    }
    text.push_back(cp);
    marks.push_back(pendingPrefix && showPrefixes ? 1 : 0);
    pendingPrefix = false;
  }
  // A break at the very end does not open another line.
  if (!text.empty()) addParagraph(text, marks);
}

int TextLayout::width() const {
  int widest = 0;
  for (const Line& line : lines_) widest = std::max(widest, line.width);
  return widest;
}

int TextLayout::prefixWidth(const Line& line, std::size_t count) const {
  return GlyphPainter::measure(font_, std::span(line.text).first(std::min(count, line.text.size())), tabWidth_);
}

void TextLayout::addParagraph(std::vector<char32_t>& text, std::vector<std::uint8_t>& marks) {
  if (!(format_ & DT_WORDBREAK) || (format_ & DT_SINGLELINE)) {
    addLine(std::move(text), std::move(marks));
    text.clear();
    marks.clear();
    return;
  }
  const std::size_t n = text.size();
  std::size_t start = 0;
  do {
    // Take characters while they fit; remember the last space that follows
    // a word, where the line may end.
    int x = 0;
    std::size_t lastBreak = n;
    bool seenWord = false, overflow = false;
    std::size_t i = start;
    for (; i < n; ++i) {
      const char32_t c = text[i];
      const int advance =
          c == U'\t' && tabWidth_ > 0 ? (x / tabWidth_ + 1) * tabWidth_ - x : font_.glyph(c).advance;
      if (c == U' ') {
        if (seenWord) lastBreak = i;
      } else if (x + advance > widthLimit_ && i > start) {
        overflow = true;
        break;
      } else {
        seenWord = true;
      }
      x += advance;
    }
    std::size_t end = n;
    if (overflow) {
      end = lastBreak;
      // A word longer than the line stays whole and sticks out.
      if (end == n) {
        end = i;
        while (end < n && text[end] != U' ') ++end;
      }
    }
    std::size_t trimmed = end;
    while (trimmed > start && text[trimmed - 1] == U' ') --trimmed;
    addLine(std::vector<char32_t>(text.begin() + static_cast<std::ptrdiff_t>(start), text.begin() + static_cast<std::ptrdiff_t>(trimmed)),
            std::vector<std::uint8_t>(marks.begin() + static_cast<std::ptrdiff_t>(start), marks.begin() + static_cast<std::ptrdiff_t>(trimmed)));
    start = end;
    while (start < n && text[start] == U' ') ++start;
  } while (start < n);
  text.clear();
  marks.clear();
}

void TextLayout::addLine(std::vector<char32_t> text, std::vector<std::uint8_t> marks) {
  Line line{std::move(text), std::move(marks), 0};
  line.width = GlyphPainter::measure(font_, line.text, tabWidth_);
  if ((format_ & kEllipsisFlags) && line.width > widthLimit_) endWithEllipsis(line);
  lines_.push_back(std::move(line));
}

void TextLayout::endWithEllipsis(Line& line) const {
  const int dots = 3 * font_.glyph(U'.').advance;
  // Keep the longest start of the line that leaves room for "...".
  std::size_t keep = 0;
  int x = 0;
  for (std::size_t i = 0; i < line.text.size(); ++i) {
    const char32_t c = line.text[i];
    x = c == U'\t' && tabWidth_ > 0 ? (x / tabWidth_ + 1) * tabWidth_ : x + font_.glyph(c).advance;
    if (x + dots > widthLimit_) break;
    keep = i + 1;
  }
  line.text.resize(keep);
  line.underlined.resize(keep);
  line.text.insert(line.text.end(), {U'.', U'.', U'.'});
  line.underlined.insert(line.underlined.end(), {0, 0, 0});
  line.width = GlyphPainter::measure(font_, line.text, tabWidth_);
}
