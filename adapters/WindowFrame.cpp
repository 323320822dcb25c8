#include "adapters/WindowFrame.h"

#include "platform/windowing/WinUser.h"

void ChangeFrame(HWND window) {
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void PaintOnWindowDC(HWND window, const std::function<void(HDC)>& paint) {
  HDC dc = GetWindowDC(window);
  if (!dc) return;
  const int saved = SaveDC(dc);
  paint(dc);
  RestoreDC(dc, saved);
  ReleaseDC(window, dc);
}
