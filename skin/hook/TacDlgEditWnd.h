#pragma once
// The edit-style adapter in dialog mode: an edit field or a list inside a
// platform dialog ("EDIT", "LISTBOX", a combo box's list). The control
// keeps painting its text and items; the adapter paints its border from the skin's EDIT section (over
// the dialog's picture, so the section's corners show what lies beneath).
#include "skin/hook/TacDlgChildWnd.h"

class TacDlgEditWnd : public TacDlgChildWnd {
 public:
  TacDlgEditWnd(HWND child, TsSkinManager* manager, TacDialogWnd* dialog, std::string section = "EDIT")
      : TacDlgChildWnd(child, std::move(section), manager, dialog) {}

  // Paints the whole window (border and the section under the client) into
  // `target` (the window's size).
  void PaintFrameTo(Bitmap& target);

 protected:
  bool PaintsClient() const override { return false; }
  bool Handle(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void PaintContent(Bitmap&, HDC, int) override {}

 private:
  void PaintFrame();
};
