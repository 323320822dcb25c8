#pragma once
// The "STATIC" class: a line of text (left, centred or right, word-wrapped
// when it does not fit, tabs expanded), an etched frame, or an icon
// (SS_ICON) named by its window text. It takes no input.
#include "platform/controls/StandardControl.h"

class StaticControl : public StandardControl {
 public:
  StaticControl(HWND hwnd, const CREATESTRUCT&) : StandardControl(hwnd) {}
  static void registerClass();

 protected:
  LRESULT handle(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void paint(HDC dc) override;
};
