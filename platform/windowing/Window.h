#pragma once
// The record of one window, owned by the WindowManager's handle table. Code
// outside the windowing layer never sees it: it holds HWNDs and calls the API.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/windowing/Backend.h"
#include "platform/windowing/WinTypes.h"

class Region;
struct WindowClass;

// Scroll information of one default scroll bar.
struct ScrollBarData {
  int min = 0;
  int max = 100;
  UINT page = 0;
  int pos = 0;
  int trackPos = 0;
  UINT disabledArrows = 0;  // ESB_DISABLE_* bits
};

struct Window {
  HWND hwnd = nullptr;
  std::shared_ptr<const WindowClass> windowClass;
  WNDPROC proc = nullptr;
  std::string text;
  DWORD style = 0;
  DWORD exStyle = 0;
  HWND parent = nullptr;  // children only
  HWND owner = nullptr;   // pop-ups and overlapped windows only
  LONG_PTR id = 0;
  LONG_PTR userData = 0;
  std::vector<std::pair<std::string, HANDLE>> props;
  std::vector<HWND> children;  // z-order, topmost first

  RECT rect{};    // window rectangle: parent client coordinates, screen for top-levels
  RECT client{};  // client rectangle in window coordinates
  bool destroyed = false;
  bool created = false;  // WM_CREATE answered
  bool minimized = false;
  bool maximized = false;
  RECT restoreRect{};

  // Painting state. The update area is kept as its bounding rectangle in
  // client coordinates; `frameDirty` asks for WM_NCPAINT.
  bool redrawEnabled = true;
  RECT update{};
  bool eraseNeeded = false;
  bool frameDirty = false;
  std::shared_ptr<Region> region;  // window coordinates; null = the whole rectangle

  // Top-level windows own the picture the backend shows.
  NativeWindow native = 0;
  std::shared_ptr<const Bitmap> icon;  // 32-bit with alpha; null: none
  std::shared_ptr<Bitmap> surface;  // shared with contexts still drawing on it
  RECT surfaceDirty{};
  BYTE layerAlpha = 255;
  bool perPixelAlpha = false;  // UpdateLayeredWindow gave a premultiplied picture
  Bitmap layeredPicture;

  // Default frame state: drawn active (WM_NCACTIVATE), the title button
  // held down (hit code, 0 none) and the scroll-bar part held down.
  bool ncActive = false;
  int pressedFrameButton = 0;
  int pressedScrollBar = -1;   // SB_HORZ, SB_VERT or -1
  int pressedScrollPart = -1;  // SB_LINEUP ... SB_THUMBTRACK or -1

  ScrollBarData hbar;
  ScrollBarData vbar;
  bool hbarShown = false;
  bool vbarShown = false;

  bool isChild() const;
  bool isTopLevel() const { return !isChild(); }
  int width() const { return rect.Right - rect.Left; }
  int height() const { return rect.Bottom - rect.Top; }
  HANDLE prop(const std::string& name) const;
};
