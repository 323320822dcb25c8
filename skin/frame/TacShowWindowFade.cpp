#include "skin/frame/TacShowWindowFade.h"

#include <algorithm>
#include <memory>

#include "framework/TApplication.h"
#include "framework/TCustomForm.h"
#include "framework/graphics/TBitmap.h"
#include "paint/primitives/BlendPrimitives.h"
#include "platform/graphics/BlockTransfer.h"
#include "platform/graphics/Region.h"
#include "platform/windowing/WinMessages.h"
#include "platform/windowing/WinStyles.h"
#include "platform/windowing/WinUser.h"
#include "skin/SkinCommands.h"
#include "skin/TacEngineFlags.h"
#include "skin/TsSkinManager.h"

namespace {

// The output window only shows what is copied onto it.
LRESULT OutputWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_NCPAINT:
      return 0;
    case WM_NCCALCSIZE:
      return 0;  // no frame: the client area is the whole window
    default:
      return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

void RegisterOutputWindowClass() {
  WNDCLASS existing{};
  if (GetClassInfo(TacShowWindowFade::kOutputWindowClass, &existing)) return;
  WNDCLASS wc{};
  wc.lpfnWndProc = &OutputWindowProc;
  wc.background = clNone;
  wc.lpszClassName = TacShowWindowFade::kOutputWindowClass;
  RegisterClass(&wc);
}

HWND CreateOutputWindow(HWND window, const RECT& screenRect) {
  RegisterOutputWindowClass();
  HWND parent = GetParent(window);
  const bool child = (GetWindowLongPtr(window, GWL_STYLE) & WS_CHILD) != 0 && parent;
  if (child) {
    RECT r;
    GetWindowRect(window, &r);
    POINT corners[2] = {{r.Left, r.Top}, {r.Right, r.Bottom}};
    MapWindowPoints(nullptr, parent, corners, 2);
    HWND output = CreateWindowEx(0, TacShowWindowFade::kOutputWindowClass, "", WS_CHILD, corners[0].X, corners[0].Y,
                                 r.Width(), r.Height(), parent, 0, nullptr);
    if (output) SetWindowPos(output, window, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    return output;
  }
  HWND owner = nullptr;
  if (Application && Application->MainForm() && Application->MainForm()->HandleAllocated())
    owner = Application->MainForm()->Handle();
  DWORD exStyle = WS_EX_TOOLWINDOW;
  if (GetWindowLongPtr(window, GWL_EXSTYLE) & WS_EX_TOPMOST) exStyle |= WS_EX_TOPMOST;
  HWND output = CreateWindowEx(exStyle, TacShowWindowFade::kOutputWindowClass, "", WS_POPUP, screenRect.Left,
                               screenRect.Top, screenRect.Width(), screenRect.Height(), owner, 0, nullptr);
  if (output) ShowWindow(output, SW_SHOWNOACTIVATE);
  return output;
}

// The window as it will look: its frame, client and child windows.
void PaintNewPicture(HWND window, TBitmap& picture) {
  HDC dc = picture.Canvas().Handle();
  TacEngineFlags::BulkPaintTarget = dc;
  if (TWinControl* control = TWinControl::FindControl(window)) {
    control->PaintTo(dc, 0, 0);
  } else {
    PrintWindow(window, dc);
  }
  TacEngineFlags::BulkPaintTarget = nullptr;
}

void ShowFrame(HWND output, TBitmap& frame) {
  HDC dc = GetDC(output);
  if (dc) {
    BitBlt(dc, 0, 0, frame.Width(), frame.Height(), frame.Canvas().Handle(), 0, 0, SRCCOPY);
    ReleaseDC(output, dc);
  }
  UpdateWindow(output);
  if (TacShowWindowFade::FrameShown) TacShowWindowFade::FrameShown(output);
}

}  // namespace

void TacShowWindowFade::Run(HWND window, unsigned timeMs) {
  if (!window || !IsWindow(window)) return;
  TacEngineFlags::ShowWindowFadeRunning = true;
  RECT rect;
  GetWindowRect(window, &rect);
  TBitmap oldPicture;
  oldPicture.SetPixels(CaptureScreen(rect));
  HWND output = CreateOutputWindow(window, rect);

  TBitmap newPicture(rect.Width(), rect.Height());
  PaintNewPicture(window, newPicture);
  TBitmap frame(rect.Width(), rect.Height());
  if (output && SendSkinCommand(window, SKC_GET_FRAME_PROVIDER) != 0) {
    Region shape;
    if (GetWindowRgn(window, &shape) != RGN_ERROR) SetWindowRgn(output, &shape, FALSE);
  }

  if (output && timeMs > 7 && oldPicture.Width() == frame.Width() && oldPicture.Height() == frame.Height()) {
    const int n = static_cast<int>(timeMs / 8);
    const int step = 255 / n;
    int weight = 255;
    for (int i = 0; i <= n; ++i) {
      MixPictures(oldPicture.Pixels(), newPicture.Pixels(), static_cast<std::uint8_t>(std::max(0, weight)),
                  frame.Pixels());
      ShowFrame(output, frame);
      weight -= step;
      if (i != n) Sleep(8);
    }
  }
  if (output) ShowFrame(output, newPicture);
  TacEngineFlags::ShowWindowFadeRunning = false;
  if (IsWindow(window)) {
    SendMessage(window, WM_SETREDRAW, 1, 0);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
  if (output && IsWindow(output)) {
    SetWindowPos(output, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    DestroyWindow(output);
  }
}

void TacShowWindowFade::FormShown(HWND form, bool dialog, TsSkinManager* manager) {
  if (!manager) manager = TsSkinManager::DefaultManager();
  if (!manager || !manager->Content().SkinData.Active) return;
  TacAnimEffects& effects = manager->AnimEffects();
  // Dialogs have no switch of their own: a time of 0 shows them at once.
  const bool active = dialog || effects.FormShow.Active;
  const unsigned time = dialog ? effects.DialogShow.Time : effects.FormShow.Time;
  if (active) Run(form, time);
}
