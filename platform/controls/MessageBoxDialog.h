#pragma once
// The platform message box: a modal dialog of class "#32770" whose children
// are the OK button (plus Cancel for MB_OKCANCEL), an optional warning sign
// (a "STATIC" with SS_ICON) and the text (a "STATIC", word-wrapped, the box
// sized to it). It is centred on its owner (or the screen),
// disables the owner while its nested loop runs, and is an ordinary window
// of the layer, so window hooks see it created and activated like any other.
// OK is the default button: Enter, Space and Escape close the box with IDOK
// (Escape gives IDCANCEL when there is a Cancel button).
#include <string>

#include "platform/controls/StandardControl.h"

class MessageBoxDialog : public StandardControl {
 public:
  MessageBoxDialog(HWND hwnd, const CREATESTRUCT& cs);
  static void registerClass();
  // Builds the box, runs its modal loop and answers the button pressed.
  static int run(HWND owner, const std::string& text, const std::string& caption, UINT type);

  static constexpr int kMargin = 12;
  static constexpr int kIconSize = 32;
  static constexpr int kButtonWidth = 75;
  static constexpr int kButtonHeight = 23;
  static constexpr int kMaxTextWidth = 420;

 protected:
  LRESULT handle(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void paint(HDC dc) override;

 private:
  struct Layout {
    RECT icon{};
    RECT text{};
    SIZE client{};
  };
  static Layout measure(const std::string& text, bool withIcon);
  void finish(int result);

  UINT type_ = 0;
};

// MessageBox(owner, text, caption, MB_OK | MB_ICONWARNING): answers IDOK (or
// IDCANCEL when cancelled in an MB_OKCANCEL box).
int MessageBox(HWND owner, const char* text, const char* caption, UINT type);
