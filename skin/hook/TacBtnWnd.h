#pragma once
// The adapter of a push button inside a platform dialog: the skin's BUTTON
// section in the button's state (pressed while the button is pushed, hot
// while the mouse is over it or it is the focused or default button) with
// its caption centred in the section's font colours, moved a pixel right
// and down while pressed. The button keeps its own behaviour.
#include "skin/hook/TacDlgChildWnd.h"

class TacBtnWnd : public TacDlgChildWnd {
 public:
  TacBtnWnd(HWND child, TsSkinManager* manager, TacDialogWnd* dialog)
      : TacDlgChildWnd(child, "BUTTON", manager, dialog) {}

  int State() const override;

 protected:
  bool Handle(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void PaintContent(Bitmap& target, HDC dc, int state) override;

 private:
  bool mouseAbove_ = false;
};
