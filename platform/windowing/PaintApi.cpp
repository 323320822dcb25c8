// The painting API: invalid areas, paint and window contexts, window
// regions, layered windows and printing.
#include "platform/graphics/Gdi.h"
#include "platform/windowing/PaintScheduler.h"
#include "platform/windowing/ScreenCompositor.h"
#include "platform/windowing/WinUser.h"
#include "platform/windowing/WindowManager.h"

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
  Window* w = wm().find(hwnd);
  if (!w) return FALSE;
  wm().painter().invalidate(w, rect, erase != 0, false, false);
  return TRUE;
}

BOOL InvalidateRgn(HWND hwnd, const Region* rgn, BOOL erase) {
  if (!rgn) return InvalidateRect(hwnd, nullptr, erase);
  const RECT box = rgn->box();
  return InvalidateRect(hwnd, &box, erase);
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
  Window* w = wm().find(hwnd);
  if (!w) return FALSE;
  wm().painter().validate(w, rect, false, false);
  return TRUE;
}

BOOL UpdateWindow(HWND hwnd) {
  Window* w = wm().find(hwnd);
  if (!w) return FALSE;
  wm().painter().paintNow(w);
  return TRUE;
}

BOOL RedrawWindow(HWND hwnd, const RECT* rect, const Region* rgn, UINT flags) {
  Window* w = wm().find(hwnd);
  if (!w) return FALSE;
  RECT area;
  const RECT* part = rect;
  if (rgn) {
    area = rgn->box();
    part = &area;
  }
  const bool children = (flags & RDW_ALLCHILDREN) != 0;
  if (flags & RDW_INVALIDATE) {
    const bool frame = (flags & RDW_FRAME) && !(flags & RDW_NOFRAME);
    wm().painter().invalidate(w, part, (flags & RDW_ERASE) != 0, frame, children);
  } else if (flags & RDW_VALIDATE) {
    wm().painter().validate(w, part, (flags & RDW_NOFRAME) != 0, children);
  }
  if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) wm().painter().paintNow(w);
  return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL) {
  Window* w = wm().find(hwnd);
  if (!w) return FALSE;
  if (rect) *rect = w->update;
  return w->update.IsEmpty() ? FALSE : TRUE;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps) {
  Window* w = wm().find(hwnd);
  if (!w || !ps) return nullptr;
  return wm().painter().beginPaint(w, ps);
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps) {
  Window* w = wm().find(hwnd);
  if (!ps) return FALSE;
  // The context goes even when the window went away while painting.
  wm().painter().endPaint(w, ps);
  return TRUE;
}

HDC GetDC(HWND hwnd) {
  Window* w = wm().find(hwnd);
  return w ? wm().painter().getDC(w, false) : nullptr;
}

HDC GetWindowDC(HWND hwnd) {
  Window* w = wm().find(hwnd);
  return w ? wm().painter().getDC(w, true) : nullptr;
}

int ReleaseDC(HWND, HDC dc) { return wm().painter().releaseDC(dc) ? 1 : 0; }

int SetWindowRgn(HWND hwnd, const Region* rgn, BOOL redraw) {
  Window* w = wm().find(hwnd);
  if (!w) return 0;
  if (redraw) wm().painter().invalidateUnder(w);
  w->region = rgn ? std::make_shared<Region>(*rgn) : nullptr;
  if (redraw) wm().painter().invalidateWindowArea(w);
  if (w->isTopLevel()) wm().painter().markPresent(w, Bounds(0, 0, w->width(), w->height()));
  return 1;
}

int GetWindowRgn(HWND hwnd, Region* rgn) {
  Window* w = wm().find(hwnd);
  if (!w || !w->region || !rgn) return RGN_ERROR;
  *rgn = *w->region;
  return rgn->kind();
}

BOOL UpdateLayeredWindow(HWND hwnd, const POINT* screenPos, const SIZE* size, const Bitmap* picture, BYTE alpha) {
  Window* w = wm().find(hwnd);
  if (!w || !w->isTopLevel() || !(w->exStyle & WS_EX_LAYERED)) return FALSE;
  if (picture && (picture->format() != PixelFormat::Bgrx32 || (size && (picture->width() < size->cx || picture->height() < size->cy))))
    return FALSE;
  if (screenPos || size) {
    const int x = screenPos ? screenPos->X : w->rect.Left;
    const int y = screenPos ? screenPos->Y : w->rect.Top;
    const int cx = size ? size->cx : w->width();
    const int cy = size ? size->cy : w->height();
    wm().setWindowPos(hwnd, nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    if (!(w = wm().find(hwnd))) return FALSE;
  }
  if (picture) {
    w->layeredPicture = *picture;
    w->perPixelAlpha = true;
  }
  w->layerAlpha = alpha;
  wm().painter().markPresent(w, Bounds(0, 0, w->width(), w->height()));
  return TRUE;
}

BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF, BYTE alpha, DWORD flags) {
  Window* w = wm().find(hwnd);
  if (!w || !w->isTopLevel() || !(w->exStyle & WS_EX_LAYERED)) return FALSE;
  // Colour keys are not supported; only the constant alpha counts.
  if (flags & LWA_ALPHA) w->layerAlpha = alpha;
  w->perPixelAlpha = false;
  w->layeredPicture = Bitmap();
  wm().painter().invalidateWindowArea(w);
  wm().painter().markPresent(w, Bounds(0, 0, w->width(), w->height()));
  return TRUE;
}

BOOL GetLayeredWindowAttributes(HWND hwnd, COLORREF* key, BYTE* alpha, DWORD* flags) {
  Window* w = wm().find(hwnd);
  if (!w || !(w->exStyle & WS_EX_LAYERED)) return FALSE;
  if (key) *key = 0;
  if (alpha) *alpha = w->layerAlpha;
  if (flags) *flags = LWA_ALPHA;
  return TRUE;
}

BOOL PrintWindow(HWND hwnd, HDC target) {
  if (!wm().find(hwnd) || !target) return FALSE;
  SendMessage(hwnd, WM_PRINT, reinterpret_cast<WPARAM>(target),
              PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
  return TRUE;
}

Bitmap CaptureScreen(const RECT& screenRect) {
  Bitmap picture(screenRect.Width(), screenRect.Height(), PixelFormat::Bgr24);
  if (picture.empty()) return picture;
  // Pending painting first, so the capture shows what the screen will show.
  if (wm().painter().paintPending()) wm().painter().paintAll();
  ScreenCompositor::compose(wm(), screenRect, picture, GetSysColor(COLOR_BACKGROUND));
  return picture;
}
