#pragma once
// The "STATIC" class: a line of text (left, centred or right, word-wrapped
// when it does not fit) or an etched frame. It takes no input.
#include "platform/controls/StandardControl.h"

class StaticControl : public StandardControl {
 public:
  StaticControl(HWND hwnd, const CREATESTRUCT&) : StandardControl(hwnd) {}
  static void registerClass();

 protected:
  LRESULT handle(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void paint(HDC dc) override;
};
