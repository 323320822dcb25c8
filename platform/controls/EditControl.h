#pragma once
// The single-line "EDIT" class: a blinking caret, selection by mouse and
// keys, clipboard, UTF-8 input through WM_CHAR code points, read-only and
// password styles, a text limit, EN_UPDATE / EN_CHANGE to the parent and
// horizontal scrolling that keeps the caret in view. Inside a combo box it
// passes the list keys (Up, Down, F4, Alt+Down, Enter, Escape) to the box.
#include <optional>
#include <vector>

#include "platform/controls/EditBuffer.h"
#include "platform/controls/StandardControl.h"

class EditControl : public StandardControl {
 public:
  EditControl(HWND hwnd, const CREATESTRUCT& cs);
  static void registerClass();

  // The caret's blink timer id and period.
  static constexpr UINT_PTR kCaretTimer = 1;
  static constexpr UINT kCaretBlinkMs = 530;

 protected:
  LRESULT handle(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void paint(HDC dc) override;

 private:
  bool readOnly() const;
  bool insideCombo() const;
  // What the edit shows: the text, or one password character per letter.
  std::u32string shownText() const;
  // Left edges of every character plus the end, in text pixels from 0.
  std::vector<int> characterEdges() const;
  std::size_t positionFromX(int clientX) const;
  int textTop() const;
  void scrollCaretIntoView();
  // A user edit: repaint, then EN_UPDATE and EN_CHANGE. Answers whether
  // the window survived the notifications.
  bool textChanged();
  void selectionChanged();
  void restartCaretBlink();
  bool onKeyDown(WPARAM key);
  void onChar(char32_t ch);
  // handle's topics: each answers the messages it takes, none for the others.
  std::optional<LRESULT> windowMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> inputMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> editMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT setText(const char* text);
  // A press at x puts the caret there (extending the selection with Shift).
  void pressed(int x, bool extend);
  void copy();
  void cut();
  void paste();

  EditBuffer buffer_;
  char32_t passwordChar_ = 0;
  int scroll_ = 0;  // pixels of text hidden left of the client area
  bool focused_ = false;
  bool caretShown_ = false;
  bool mouseSelecting_ = false;
  bool modified_ = false;
  static constexpr int kMargin = 2;
};
