#pragma once
// The text of a single-line edit with its selection, in code points, so
// that Cyrillic letters count as one character everywhere (positions of
// EM_GETSEL/EM_SETSEL, caret moves, deletions). The window-free part of the
// edit: everything here is plain data and can be tested on its own.
#include <cstddef>
#include <string>
#include <string_view>

class EditBuffer {
 public:
  static std::u32string decode(std::string_view utf8);
  static std::string encode(std::u32string_view text);

  const std::u32string& text() const { return text_; }
  std::string utf8() const { return encode(text_); }
  // Replaces everything and puts the caret at the start (classic WM_SETTEXT);
  // text over the limit is cut.
  void setText(std::u32string text);

  std::size_t caret() const { return caret_; }
  std::size_t anchor() const { return anchor_; }
  std::size_t selectionStart() const { return caret_ < anchor_ ? caret_ : anchor_; }
  std::size_t selectionEnd() const { return caret_ < anchor_ ? anchor_ : caret_; }
  bool hasSelection() const { return caret_ != anchor_; }
  std::u32string selectedText() const;

  // Both ends are clamped to the text; a negative start removes the
  // selection (caret stays); end -1 means the end of the text.
  void select(long start, long end);
  // Moves the caret; with extend the anchor stays (Shift+arrow).
  void moveCaret(std::size_t to, bool extend);

  // Replaces the selection with text, cut to the limit. Answers whether
  // the text changed.
  bool replaceSelection(std::u32string_view text);
  // Backspace and Delete: the selection, else one character before / after.
  bool deleteBackward();
  bool deleteForward();

  // Word boundaries for Ctrl+arrows and double clicks: words are runs of
  // letters and digits; spaces and punctuation separate them.
  std::size_t wordStartBefore(std::size_t pos) const;
  std::size_t wordEndAfter(std::size_t pos) const;
  void selectWordAt(std::size_t pos);

  std::size_t limit() const { return limit_; }
  // 0 lifts the limit (as far as it goes).
  void setLimit(std::size_t limit);

  static constexpr std::size_t kDefaultLimit = 30000;
  static constexpr std::size_t kNoLimit = 0x7FFFFFFE;

 private:
  static bool isWordChar(char32_t c);
  std::u32string text_;
  std::size_t caret_ = 0;
  std::size_t anchor_ = 0;
  std::size_t limit_ = kDefaultLimit;
};
