#include "platform/controls/EditBuffer.h"

#include <algorithm>
#include <cwctype>

#include "platform/graphics/Utf8.h"

std::u32string EditBuffer::decode(std::string_view utf8) {
  std::u32string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) out.push_back(Utf8::next(utf8, i));
  return out;
}

std::string EditBuffer::encode(std::u32string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char32_t c : text) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = Utf8::kReplacement;
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

void EditBuffer::setText(std::u32string text) {
  text_ = std::move(text);
  if (text_.size() > limit_) text_.resize(limit_);
  caret_ = anchor_ = 0;
}

std::u32string EditBuffer::selectedText() const {
  return text_.substr(selectionStart(), selectionEnd() - selectionStart());
}

void EditBuffer::select(long start, long end) {
  if (start < 0) {
    anchor_ = caret_;
    return;
  }
  const std::size_t size = text_.size();
  const std::size_t s = std::min(static_cast<std::size_t>(start), size);
  const std::size_t e = end < 0 ? size : std::min(static_cast<std::size_t>(end), size);
  anchor_ = s;
  caret_ = e;
}

void EditBuffer::moveCaret(std::size_t to, bool extend) {
  caret_ = std::min(to, text_.size());
  if (!extend) anchor_ = caret_;
}

bool EditBuffer::replaceSelection(std::u32string_view text) {
  const std::size_t start = selectionStart();
  const std::size_t removed = selectionEnd() - start;
  const std::size_t room = limit_ - std::min(limit_, text_.size() - removed);
  const std::u32string_view inserted = text.substr(0, std::min(text.size(), room));
  if (removed == 0 && inserted.empty()) return false;
  text_.replace(start, removed, inserted);
  caret_ = anchor_ = start + inserted.size();
  return true;
}

bool EditBuffer::deleteBackward() {
  if (!hasSelection()) {
    if (caret_ == 0) return false;
    anchor_ = caret_ - 1;
  }
  return replaceSelection({});
}

bool EditBuffer::deleteForward() {
  if (!hasSelection()) {
    if (caret_ >= text_.size()) return false;
    anchor_ = caret_ + 1;
  }
  return replaceSelection({});
}

bool EditBuffer::isWordChar(char32_t c) {
  if (c < 0x80) return std::isalnum(static_cast<int>(c)) || c == '_';
  // Everything beyond ASCII counts as a letter except the general punctuation block.
  return !(c >= 0x2000 && c <= 0x206F) && c != 0xA0 && c != 0xAB && c != 0xBB;
}

std::size_t EditBuffer::wordStartBefore(std::size_t pos) const {
  pos = std::min(pos, text_.size());
  while (pos > 0 && !isWordChar(text_[pos - 1])) --pos;
  while (pos > 0 && isWordChar(text_[pos - 1])) --pos;
  return pos;
}

std::size_t EditBuffer::wordEndAfter(std::size_t pos) const {
  const std::size_t size = text_.size();
  pos = std::min(pos, size);
  while (pos < size && isWordChar(text_[pos])) ++pos;
  while (pos < size && !isWordChar(text_[pos])) ++pos;
  return pos;
}

void EditBuffer::selectWordAt(std::size_t pos) {
  const std::size_t size = text_.size();
  pos = std::min(pos, size);
  std::size_t start = pos;
  std::size_t end = pos;
  if (pos < size && isWordChar(text_[pos])) {
    while (start > 0 && isWordChar(text_[start - 1])) --start;
    while (end < size && isWordChar(text_[end])) ++end;
  } else if (pos > 0 && isWordChar(text_[pos - 1])) {
    while (start > 0 && isWordChar(text_[start - 1])) --start;
  } else {
    // Between words a double click takes the run of separators.
    while (start > 0 && !isWordChar(text_[start - 1])) --start;
    while (end < size && !isWordChar(text_[end])) ++end;
  }
  anchor_ = start;
  caret_ = end;
}

void EditBuffer::setLimit(std::size_t limit) { limit_ = limit == 0 ? kNoLimit : limit; }
