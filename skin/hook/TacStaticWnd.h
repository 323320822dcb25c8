#pragma once
// The adapter of a text "STATIC" inside a platform dialog: the section
// (CHECKBOX, transparent in the program's skin) over the dialog's picture
// and the text in the section's font colour, aligned as the style says.
#include "skin/hook/TacDlgChildWnd.h"

class TacStaticWnd : public TacDlgChildWnd {
 public:
  TacStaticWnd(HWND child, TsSkinManager* manager, TacDialogWnd* dialog)
      : TacDlgChildWnd(child, "CHECKBOX", manager, dialog) {}

 protected:
  void PaintContent(Bitmap& target, HDC dc, int state) override;
};
