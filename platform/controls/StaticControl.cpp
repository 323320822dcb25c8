#include "platform/controls/StaticControl.h"

#include "platform/controls/ControlMessages.h"
#include "platform/controls/ControlPainter.h"

void StaticControl::registerClass() {
  WNDCLASS wc;
  wc.lpfnWndProc = &StandardControl::ControlProc<StaticControl>;
  wc.lpszClassName = WC_STATIC;
  RegisterClass(&wc);
}

LRESULT StaticControl::handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_GETDLGCODE: return DLGC_STATIC;
    case WM_NCHITTEST:
      // Clicks fall through to the window below unless the parent asked for them.
      return (style() & SS_NOTIFY) ? HTCLIENT : HTTRANSPARENT;
    case WM_SETTEXT:
    case WM_ENABLE: {
      const LRESULT r = msg == WM_SETTEXT ? DefWindowProc(hwnd(), msg, wParam, lParam) : 0;
      invalidate();
      return r;
    }
    default: return defaultHandle(msg, wParam, lParam);
  }
}

void StaticControl::paint(HDC dc) {
  RECT client = clientRect();
  const int saved = SaveDC(dc);
  const bool enabled = IsWindowEnabled(hwnd());
  SelectObject(dc, font());
  const TColor background = backgroundFromParent(dc, WM_CTLCOLORSTATIC, enabled ? clBtnText : clGrayText, clBtnFace);
  const DWORD type = style() & SS_TYPEMASK;
  if (type == SS_ICON) {
    FillRect(dc, client, background);
    if (GetWindowTextString(hwnd()) == IDI_WARNING_NAME) ControlPainter::warningSign(dc, client);
  } else if (type == SS_ETCHEDFRAME) {
    // A frame leaves its inside alone: what lies within shows through.
    DrawEdge(dc, client, EDGE_ETCHED, BF_RECT);
  } else {
    FillRect(dc, client, background);
    unsigned format = DT_WORDBREAK | DT_EXPANDTABS | ((style() & SS_NOPREFIX) ? unsigned{DT_NOPREFIX} : 0u);
    if (type == SS_CENTER) format |= DT_CENTER;
    else if (type == SS_RIGHT) format |= DT_RIGHT;
    if (style() & SS_CENTERIMAGE) format = (format & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
    SetBkMode(dc, TRANSPARENT);
    DrawText(dc, GetWindowTextString(hwnd()), client, format);
  }
  RestoreDC(dc, saved);
}
