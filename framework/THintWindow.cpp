#include "framework/THintWindow.h"

#include "framework/graphics/TBitmap.h"
#include "framework/streaming/TClassInfo.h"
#include "platform/graphics/TextDrawing.h"
#include "platform/windowing/WinUser.h"

namespace {
constexpr unsigned kHintFormat = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;
}

const TClassInfo& THintWindow::StaticClassInfo() {
  static const TClassInfo info("THintWindow", &TCustomControl::StaticClassInfo());
  return info;
}

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
  InitVisible(false);
  SetColor(clInfoBk);
  Font().SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style = WS_POPUP | WS_BORDER;
  params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
}

TRect THintWindow::CalcHintRect(int maxWidth, const std::string& text) {
  TBitmap scratch(1, 1);
  TCanvas& canvas = scratch.Canvas();
  canvas.Font.Assign(Font());
  TRect r = Rect(0, 0, maxWidth, 0);
  canvas.DrawText(text, r, kHintFormat | DT_CALCRECT);
  // Room for the border and a little air around the text.
  return Rect(0, 0, r.Width() + 8, r.Height() + 4);
}

void THintWindow::ActivateHint(const TRect& rect, const std::string& text) {
  SetCaption(text);
  SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
  active_ = true;
  if (HWND hwnd = Handle()) {
    SetWindowPos(hwnd, HWND_TOPMOST, rect.Left, rect.Top, rect.Width(), rect.Height(),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(hwnd, nullptr, TRUE);
  }
}

void THintWindow::ReleaseHint() {
  active_ = false;
  if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
}

void THintWindow::Paint() {
  TCanvas& canvas = Canvas();
  TRect r = ClientRect();
  canvas.Brush.SetColor(Color());
  canvas.FillRect(r);
  canvas.Brush.SetStyle(bsClear);
  r = r.Inflate(-2, -1);
  canvas.DrawText(Caption(), r, kHintFormat);
}
