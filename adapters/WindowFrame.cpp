#include "adapters/WindowFrame.h"

void PaintOnWindowDC(HWND window, const std::function<void(HDC)>& paint) {
  HDC dc = GetWindowDC(window);
  if (!dc) return;
  const int saved = SaveDC(dc);
  paint(dc);
  RestoreDC(dc, saved);
  ReleaseDC(window, dc);
}
