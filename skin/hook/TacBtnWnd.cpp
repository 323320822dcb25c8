#include "skin/hook/TacBtnWnd.h"

#include "paint/SkinTextPainter.h"
#include "platform/controls/ControlMessages.h"
#include "platform/graphics/Gdi.h"
#include "platform/graphics/TextDrawing.h"
#include "platform/windowing/WinUser.h"

int TacBtnWnd::State() const {
  const HWND button = Window();
  if (SendMessage(button, BM_GETSTATE, 0, 0) & BST_PUSHED) return 2;
  const auto type = static_cast<DWORD>(GetWindowLongPtr(button, GWL_STYLE)) & BS_TYPEMASK;
  if (mouseAbove_ || GetFocus() == button || type == BS_DEFPUSHBUTTON) return 1;
  return 0;
}

void TacBtnWnd::PaintContent(Bitmap& target, HDC dc, int state) {
  const std::string text = GetWindowTextString(Window());
  if (text.empty()) return;
  TRect place = Rect(0, 0, target.width(), target.height());
  if (state == 2) place = place.Offset(1, 1);
  const HFONT previous = SelectObject(dc, ChildFont());
  WriteTextByIndex(dc, text, IsWindowEnabled(Window()), Skin(), state != 0, SectionIndex(),
                   DT_CENTER | DT_VCENTER | DT_SINGLELINE, place);
  SelectObject(dc, previous);
}

bool TacBtnWnd::Handle(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_MOUSEMOVE:
      if (!mouseAbove_) {
        mouseAbove_ = true;
        TRACKMOUSEEVENT tme{};
        tme.dwFlags = TME_LEAVE;
        tme.hwndTrack = Window();
        TrackMouseEvent(&tme);
        Repaint();
      }
      return false;
    case WM_MOUSELEAVE:
      mouseAbove_ = false;
      Repaint();
      return false;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case BM_SETSTATE:
    case BM_SETSTYLE:
      // The button changes its state first; the picture follows it.
      result = CallPrevious(msg, wParam, lParam);
      Repaint();
      return true;
    default: return TacDlgChildWnd::Handle(msg, wParam, lParam, result);
  }
}
