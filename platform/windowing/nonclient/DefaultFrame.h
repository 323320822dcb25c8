#pragma once
// The plain classic frame DefWindowProc gives a window that nobody skins:
// border widths by style, the caption bar with icon, title and title buttons,
// the default scroll bars, the hit codes of every part, and its painting.
#include "platform/graphics/DeviceContext.h"
#include "platform/windowing/WinTypes.h"
#include "platform/windowing/Window.h"

class DefaultFrame {
 public:
  // Width of the border on each side for the styles.
  static int borderWidth(DWORD style, DWORD exStyle);
  // Height of the caption bar (0 without WS_CAPTION).
  static int captionHeight(DWORD style, DWORD exStyle);
  // The client rectangle for a window rectangle (same coordinates), scroll
  // bars of the style included.
  static RECT clientFromWindow(const RECT& windowRect, DWORD style, DWORD exStyle, bool hbar, bool vbar);
  // Window coordinates of the caption bar and of a title button (HTCLOSE,
  // HTMAXBUTTON, HTMINBUTTON, HTSYSMENU); empty when absent.
  static RECT captionRect(const Window& w);
  static RECT buttonRect(const Window& w, int hitCode);
  // Window coordinates of the title text, between the icon and the buttons.
  static RECT titleRect(const Window& w);
  static HFONT titleFont();
  // The narrowest window width at which the whole title fits beside the
  // icon and the title buttons (0 without a caption).
  static int titleFitWidth(const Window& w);
  // WM_NCHITTEST for a point in window coordinates.
  static int hitTest(const Window& w, POINT inWindow);
  // Paints border, caption and scroll bars through a whole-window context.
  static void paint(const Window& w, HDC dc);
  static void paintScrollBar(const Window& w, HDC dc, int bar);
};
