#pragma once
// The common part of every standard window class: the C++ object behind the
// window, its font, the parent notifications and the colours asked from the
// parent. Each class derives from it and is reached through ControlProc<T>,
// which creates the object at WM_NCCREATE and frees it after WM_NCDESTROY.
//
// A handler may destroy its own window (a click that closes the dialog), so
// the object outlives the window until the outermost handler has returned;
// handlers check alive() after every message they send out.
#include "platform/graphics/Gdi.h"
#include "platform/graphics/TextDrawing.h"
#include "platform/windowing/WinUser.h"

class StandardControl {
 public:
  explicit StandardControl(HWND hwnd) : hwnd_(hwnd) {}
  virtual ~StandardControl() = default;
  StandardControl(const StandardControl&) = delete;
  StandardControl& operator=(const StandardControl&) = delete;

  HWND hwnd() const { return hwnd_; }
  bool alive() const { return !dead_ && IsWindow(hwnd_); }
  DWORD style() const { return static_cast<DWORD>(GetWindowLongPtr(hwnd_, GWL_STYLE)); }
  RECT clientRect() const;

  // The font set by WM_SETFONT, else the program's default 11-pixel font.
  const HFONT& font() const;
  static const HFONT& defaultFont();
  int lineHeight() const;

  // WM_COMMAND (id, code) with this window in lParam, to the parent (the
  // owner for a pop-up). Answers whether this window survived it.
  bool notifyParent(WORD code);
  // Asks the parent for colours (WM_CTLCOLOR...): the context receives the
  // text colour, the answer is the background; without an answer the
  // defaults are used.
  TColor backgroundFromParent(HDC dc, UINT ctlColorMessage, TColor text, TColor background);

  // The procedure every class registers: finds or creates the object.
  template <class T>
  static LRESULT ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

 protected:
  // The class's own messages; what it does not consume goes to defaultHandle.
  virtual LRESULT handle(UINT msg, WPARAM wParam, LPARAM lParam) = 0;
  // Fonts, painting through WM_PAINT with or without a context, WM_PRINTCLIENT,
  // then DefWindowProc.
  LRESULT defaultHandle(UINT msg, WPARAM wParam, LPARAM lParam);
  // Paints the client area; called for WM_PAINT and WM_PRINTCLIENT.
  virtual void paint(HDC) {}
  void invalidate() { InvalidateRect(hwnd_, nullptr, FALSE); }

 private:
  static LRESULT route(StandardControl* self, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  HWND hwnd_;
  HFONT font_;
  int busy_ = 0;
  bool dead_ = false;
};

// The window property holding the object of a standard control.
inline constexpr const char* kStandardControlProp = "StandardControl";

template <class T>
LRESULT StandardControl::ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = static_cast<StandardControl*>(GetProp(hwnd, kStandardControlProp));
  if (!self && msg == WM_NCCREATE && lParam) {
    self = new T(hwnd, *reinterpret_cast<const CREATESTRUCT*>(lParam));
    SetProp(hwnd, kStandardControlProp, self);
  }
  return route(self, hwnd, msg, wParam, lParam);
}
