#include "platform/controls/StandardControl.h"

#include "platform/controls/ControlMessages.h"

RECT StandardControl::clientRect() const {
  RECT r{};
  GetClientRect(hwnd_, &r);
  return r;
}

const HFONT& StandardControl::defaultFont() {
  static const HFONT font = CreateFontIndirect(LogFont{});
  return font;
}

const HFONT& StandardControl::font() const { return font_ ? font_ : defaultFont(); }

int StandardControl::lineHeight() const {
  const HFONT& f = font();
  return f ? f->metrics().height : 13;
}

bool StandardControl::notifyParent(WORD code) {
  const HWND parent = GetParent(hwnd_);
  if (parent)
    SendMessage(parent, WM_COMMAND, MAKEWPARAM(static_cast<int>(GetWindowLongPtr(hwnd_, GWLP_ID)), code),
                reinterpret_cast<LPARAM>(hwnd_));
  return alive();
}

TColor StandardControl::backgroundFromParent(HDC dc, UINT ctlColorMessage, TColor text, TColor background) {
  SetTextColor(dc, text);
  SetBkColor(dc, background);
  const HWND parent = GetParent(hwnd_);
  if (!parent) return background;
  const auto* brush = reinterpret_cast<const Brush*>(
      SendMessage(parent, ctlColorMessage, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd_)));
  return brush && !brush->hollow() ? brush->color : background;
}

LRESULT StandardControl::defaultHandle(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_SETFONT: {
      const auto* requested = reinterpret_cast<const HFONT*>(wParam);
      font_ = requested ? *requested : HFONT{};
      if (lParam) invalidate();
      return 0;
    }
    case WM_GETFONT: return font_ ? reinterpret_cast<LRESULT>(&font_) : 0;
    case WM_ERASEBKGND: return 1;  // paint() covers the whole client area
    case WM_PAINT: {
      // The skin's adapters paint a window into their own picture by sending
      // WM_PAINT with a context in wParam.
      if (wParam) {
        paint(reinterpret_cast<HDC>(wParam));
        return 0;
      }
      PAINTSTRUCT ps;
      if (HDC dc = BeginPaint(hwnd_, &ps)) {
        paint(dc);
        EndPaint(hwnd_, &ps);
      }
      return 0;
    }
    case WM_PRINTCLIENT:
      if (wParam) paint(reinterpret_cast<HDC>(wParam));
      return 0;
    default: return DefWindowProc(hwnd_, msg, wParam, lParam);
  }
}

LRESULT StandardControl::route(StandardControl* self, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!self) return DefWindowProc(hwnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    RemoveProp(hwnd, kStandardControlProp);
    const LRESULT result = DefWindowProc(hwnd, msg, wParam, lParam);
    self->dead_ = true;
    if (self->busy_ == 0) delete self;
    return result;
  }
  ++self->busy_;
  const LRESULT result = self->handle(msg, wParam, lParam);
  if (--self->busy_ == 0 && self->dead_) delete self;
  return result;
}
