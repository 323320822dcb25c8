#pragma once
// The adapter of an icon "STATIC" (SS_ICON) inside a platform dialog: the
// section (CHECKBOX) over the dialog's picture and the icon over it, so the
// skinned background shows around the sign.
#include "skin/hook/TacDlgChildWnd.h"

class TacIconWnd : public TacDlgChildWnd {
 public:
  TacIconWnd(HWND child, TsSkinManager* manager, TacDialogWnd* dialog)
      : TacDlgChildWnd(child, "CHECKBOX", manager, dialog) {}

 protected:
  void PaintContent(Bitmap& target, HDC dc, int state) override;
};
