#include "platform/windowing/nonclient/DefaultFrame.h"

#include <algorithm>
#include <array>

#include "platform/graphics/Gdi.h"
#include "platform/windowing/WinUser.h"
#include "platform/windowing/nonclient/ScrollBarGeometry.h"

namespace {
bool hasCaption(DWORD style) { return (style & WS_CAPTION) == WS_CAPTION; }
bool isToolWindow(DWORD exStyle) { return (exStyle & WS_EX_TOOLWINDOW) != 0; }
}  // namespace

// ---- geometry

int DefaultFrame::borderWidth(DWORD style, DWORD exStyle) {
  int width = 0;
  if (style & WS_THICKFRAME) width = GetSystemMetrics(SM_CXFRAME);
  else if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) width = GetSystemMetrics(SM_CXDLGFRAME);
  else if (style & WS_BORDER) width = GetSystemMetrics(SM_CXBORDER);
  if (exStyle & WS_EX_CLIENTEDGE) width += GetSystemMetrics(SM_CXEDGE);
  else if (exStyle & WS_EX_STATICEDGE) width += 1;
  return width;
}

int DefaultFrame::captionHeight(DWORD style, DWORD exStyle) {
  if (!hasCaption(style)) return 0;
  return isToolWindow(exStyle) ? GetSystemMetrics(SM_CYSMCAPTION) : GetSystemMetrics(SM_CYCAPTION);
}

RECT DefaultFrame::clientFromWindow(const RECT& r, DWORD style, DWORD exStyle, bool hbar, bool vbar) {
  const int border = borderWidth(style, exStyle);
  RECT c{r.Left + border, r.Top + border + captionHeight(style, exStyle), r.Right - border, r.Bottom - border};
  // A bar takes its room only when the client area can give it.
  if (vbar && (style & WS_VSCROLL) && c.Width() >= GetSystemMetrics(SM_CXVSCROLL)) {
    if (exStyle & WS_EX_LEFTSCROLLBAR) c.Left += GetSystemMetrics(SM_CXVSCROLL);
    else c.Right -= GetSystemMetrics(SM_CXVSCROLL);
  }
  if (hbar && (style & WS_HSCROLL) && c.Height() >= GetSystemMetrics(SM_CYHSCROLL)) c.Bottom -= GetSystemMetrics(SM_CYHSCROLL);
  if (c.Right < c.Left) c.Right = c.Left;
  if (c.Bottom < c.Top) c.Bottom = c.Top;
  return c;
}

RECT DefaultFrame::captionRect(const Window& w) {
  if (!hasCaption(w.style)) return {};
  // The caption lies inside the outer frame, whatever edge the client has.
  const int border = borderWidth(w.style, w.exStyle & ~(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
  return {border, border, w.width() - border, border + captionHeight(w.style, w.exStyle)};
}

RECT DefaultFrame::buttonRect(const Window& w, int hitCode) {
  const RECT caption = captionRect(w);
  if (caption.IsEmpty() || !(w.style & WS_SYSMENU)) return {};
  const int h = caption.Height() - 4;
  const int bw = isToolWindow(w.exStyle) ? h : h + 2;
  const int top = caption.Top + 2;
  const int closeRight = caption.Right - 2;
  if (hitCode == HTCLOSE) return {closeRight - bw, top, closeRight, top + h};
  if (isToolWindow(w.exStyle)) {
    if (hitCode == HTSYSMENU) return {};
  }
  const bool maxBox = (w.style & WS_MAXIMIZEBOX) != 0;
  const bool minBox = (w.style & WS_MINIMIZEBOX) != 0;
  int right = closeRight - bw - 2;
  if (hitCode == HTMAXBUTTON) return maxBox && !isToolWindow(w.exStyle) ? RECT{right - bw, top, right, top + h} : RECT{};
  if (maxBox) right -= bw;
  if (hitCode == HTMINBUTTON) return minBox && !isToolWindow(w.exStyle) ? RECT{right - bw, top, right, top + h} : RECT{};
  if (hitCode == HTSYSMENU) {
    const int size = caption.Height();
    return {caption.Left, caption.Top, caption.Left + size, caption.Bottom};
  }
  return {};
}

RECT DefaultFrame::titleRect(const Window& w) {
  const RECT caption = captionRect(w);
  if (caption.IsEmpty()) return {};
  int left = caption.Left + 4;
  if (const RECT icon = buttonRect(w, HTSYSMENU); !icon.IsEmpty()) left = icon.Right + 2;
  int right = caption.Right - 2;
  for (int code : {HTCLOSE, HTMAXBUTTON, HTMINBUTTON})
    if (const RECT b = buttonRect(w, code); !b.IsEmpty()) right = std::min(right, b.Left - 2);
  return {left, caption.Top, std::max(left, right), caption.Bottom};
}

HFONT DefaultFrame::titleFont() {
  LogFont lf;
  lf.lfHeight = -11;
  lf.lfWeight = FW_BOLD;
  return CreateFontIndirect(lf);
}

int DefaultFrame::titleFitWidth(const Window& w) {
  if (captionRect(w).IsEmpty()) return 0;
  Bitmap scratch(1, 1);
  DeviceContext dc(scratch);
  SelectObject(&dc, titleFont());
  TSize text{};
  GetTextExtentPoint32(&dc, w.text, &text);
  // Icon, buttons and margins keep their widths whatever the window's width.
  const RECT title = titleRect(w);
  return w.width() - title.Width() + text.cx;
}

int DefaultFrame::hitTest(const Window& w, POINT p) {
  const RECT whole = Bounds(0, 0, w.width(), w.height());
  if (!whole.Contains(p)) return HTNOWHERE;
  if (w.client.Contains(p)) return HTCLIENT;
  for (int bar : {SB_HORZ, SB_VERT})
    if (ScrollBarGeometry::barRect(w, bar).Contains(p)) return bar == SB_HORZ ? HTHSCROLL : HTVSCROLL;
  if (ScrollBarGeometry::sizeBoxRect(w).Contains(p)) return (w.style & WS_THICKFRAME) ? HTBOTTOMRIGHT : HTNOWHERE;
  const RECT caption = captionRect(w);
  if (caption.Contains(p)) {
    for (int code : {HTCLOSE, HTMAXBUTTON, HTMINBUTTON, HTSYSMENU})
      if (buttonRect(w, code).Contains(p)) return code;
    return HTCAPTION;
  }
  const int border = borderWidth(w.style, w.exStyle & ~(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
  const bool inBorder = p.X < border || p.Y < border || p.X >= w.width() - border || p.Y >= w.height() - border;
  if (!inBorder) return HTBORDER;  // the client edge
  if (!(w.style & WS_THICKFRAME) || w.maximized) return HTBORDER;
  // Corners reach along the edges as far as a caption button is wide.
  const int corner = GetSystemMetrics(SM_CXSIZE) + border;
  const bool left = p.X < corner, right = p.X >= w.width() - corner;
  const bool top = p.Y < corner, bottom = p.Y >= w.height() - corner;
  if (p.Y < border) return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
  if (p.Y >= w.height() - border) return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
  if (p.X < border) return top ? HTTOPLEFT : bottom ? HTBOTTOMLEFT : HTLEFT;
  return top ? HTTOPRIGHT : bottom ? HTBOTTOMRIGHT : HTRIGHT;
}

// ---- painting

namespace {
void drawGlyphClose(HDC dc, const RECT& r, TColor color) {
  // Two diagonals, two pixels thick, in a square centred in the button.
  const int size = std::min(r.Width(), r.Height()) - 7;
  if (size < 3) return;
  const int x0 = r.Left + (r.Width() - size) / 2;
  const int y0 = r.Top + (r.Height() - size) / 2;
  for (int i = 0; i < size; ++i) {
    FillRect(dc, Bounds(x0 + i, y0 + i, 2, 1), color);
    FillRect(dc, Bounds(x0 + size - 1 - i, y0 + i, 2, 1), color);
  }
}

void drawGlyphMinimize(HDC dc, const RECT& r, TColor color) {
  const int w = std::max(3, r.Width() / 2 - 1);
  FillRect(dc, Bounds(r.Left + (r.Width() - w) / 2, r.Bottom - 5, w, 2), color);
}

void drawGlyphMaximize(HDC dc, const RECT& r, TColor color, bool restore) {
  const int size = std::max(5, std::min(r.Width(), r.Height()) - 5);
  RECT box = Bounds(r.Left + (r.Width() - size) / 2, r.Top + (r.Height() - size) / 2, size, size);
  if (restore) box = Bounds(box.Left, box.Top + 2, size - 2, size - 2);
  FrameRect(dc, box, CreateSolidBrush(color));
  FillRect(dc, Bounds(box.Left, box.Top + 1, box.Width(), 1), color);
}

void drawArrow(HDC dc, const RECT& r, int direction, TColor color) {
  // direction 0 up, 1 down, 2 left, 3 right: a small filled triangle.
  const int cx = r.Left + r.Width() / 2;
  const int cy = r.Top + r.Height() / 2;
  const int s = std::max(2, std::min(r.Width(), r.Height()) / 4);
  std::array<TPoint, 3> tri;
  switch (direction) {
    case 0: tri = {TPoint{cx - s, cy + s / 2}, TPoint{cx + s, cy + s / 2}, TPoint{cx, cy - s / 2 - 1}}; break;
    case 1: tri = {TPoint{cx - s, cy - s / 2}, TPoint{cx + s, cy - s / 2}, TPoint{cx, cy + s / 2 + 1}}; break;
    case 2: tri = {TPoint{cx + s / 2, cy - s}, TPoint{cx + s / 2, cy + s}, TPoint{cx - s / 2 - 1, cy}}; break;
    default: tri = {TPoint{cx - s / 2, cy - s}, TPoint{cx - s / 2, cy + s}, TPoint{cx + s / 2 + 1, cy}}; break;
  }
  const Pen oldPen = SelectObject(dc, CreatePen(PS_SOLID, 1, color));
  const Brush oldBrush = SelectObject(dc, CreateSolidBrush(color));
  Polygon(dc, tri);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
}

void drawButtonFace(HDC dc, RECT r, bool pressed) {
  FillRect(dc, r, clBtnFace);
  DrawEdge(dc, r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
}
}  // namespace

void DefaultFrame::paintScrollBar(const Window& w, HDC dc, int bar) {
  const RECT r = ScrollBarGeometry::barRect(w, bar);
  if (r.IsEmpty()) return;
  const ScrollBarData& d = bar == SB_HORZ ? w.hbar : w.vbar;
  const bool pressedBar = w.pressedScrollBar == bar;
  const int arrow = ScrollBarGeometry::arrowLength(r, bar);
  const bool horizontal = bar == SB_HORZ;
  const RECT first = horizontal ? RECT{r.Left, r.Top, r.Left + arrow, r.Bottom} : RECT{r.Left, r.Top, r.Right, r.Top + arrow};
  const RECT second =
      horizontal ? RECT{r.Right - arrow, r.Top, r.Right, r.Bottom} : RECT{r.Left, r.Bottom - arrow, r.Right, r.Bottom};
  FillRect(dc, r, clScrollBar);
  const bool enabled = ScrollBarGeometry::scrollable(d) && !(w.style & WS_DISABLED);
  const bool firstEnabled = enabled && !(d.disabledArrows & ESB_DISABLE_LTUP);
  const bool secondEnabled = enabled && !(d.disabledArrows & ESB_DISABLE_RTDN);
  const int pos = pressedBar && w.pressedScrollPart == SB_THUMBTRACK ? d.trackPos : d.pos;
  const ScrollBarGeometry::Thumb thumb = ScrollBarGeometry::thumb(d, r, bar, pos);
  // A pressed track area darkens between the arrow and the thumb.
  if (pressedBar && thumb.length && (w.pressedScrollPart == SB_PAGEUP || w.pressedScrollPart == SB_PAGEDOWN)) {
    const int start = horizontal ? r.Left : r.Top;
    const int a = w.pressedScrollPart == SB_PAGEUP ? start + arrow : start + thumb.start + thumb.length;
    const int b = w.pressedScrollPart == SB_PAGEUP ? start + thumb.start : (horizontal ? r.Right : r.Bottom) - arrow;
    FillRect(dc, horizontal ? RECT{a, r.Top, b, r.Bottom} : RECT{r.Left, a, r.Right, b}, cl3DDkShadow);
  }
  drawButtonFace(dc, first, pressedBar && w.pressedScrollPart == SB_LINEUP);
  drawButtonFace(dc, second, pressedBar && w.pressedScrollPart == SB_LINEDOWN);
  drawArrow(dc, first, horizontal ? 2 : 0, firstEnabled ? clBtnText : clGrayText);
  drawArrow(dc, second, horizontal ? 3 : 1, secondEnabled ? clBtnText : clGrayText);
  if (enabled && thumb.length) {
    const int start = (horizontal ? r.Left : r.Top) + thumb.start;
    drawButtonFace(dc, horizontal ? RECT{start, r.Top, start + thumb.length, r.Bottom}
                                  : RECT{r.Left, start, r.Right, start + thumb.length},
                   false);
  }
}

void DefaultFrame::paint(const Window& w, HDC dc) {
  const RECT whole = Bounds(0, 0, w.width(), w.height());
  const DWORD outerEx = w.exStyle & ~(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE);
  const int border = borderWidth(w.style, outerEx);
  // Outer border.
  if (border > 0) {
    if ((w.style & (WS_THICKFRAME | WS_DLGFRAME)) || (w.exStyle & WS_EX_DLGMODALFRAME)) {
      RECT edge = whole;
      DrawEdge(dc, edge, EDGE_RAISED, BF_RECT | BF_ADJUST);
      // The rest of a wide border is button face.
      const Brush face = CreateSolidBrush(clBtnFace);
      if (border > 2) FrameRgn(dc, Region(edge), face, border - 2, border - 2);
    } else {
      FrameRect(dc, whole, CreateSolidBrush(clWindowFrame));
    }
  }
  // Client edge around client area and bars.
  const int clientEdge = borderWidth(0, w.exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
  if (clientEdge > 0) {
    const RECT caption = captionRect(w);
    RECT inner{border, border + caption.Height(), w.width() - border, w.height() - border};
    DrawEdge(dc, inner, (w.exStyle & WS_EX_CLIENTEDGE) ? EDGE_SUNKEN : BDR_SUNKENOUTER, BF_RECT);
  }
  // Caption bar with icon, title and buttons.
  const RECT caption = captionRect(w);
  if (!caption.IsEmpty()) {
    FillRect(dc, caption, w.ncActive ? clActiveCaption : clInactiveCaption);
    const RECT icon = buttonRect(w, HTSYSMENU);
    if (!icon.IsEmpty()) {
      const RECT glyph = icon.Inflate(-2, -2);
      if (w.icon) {
        AlphaBlendStraight(dc, *w.icon, glyph);
      } else {
        // A plain window glyph stands in for a missing icon.
        const RECT plain = icon.Inflate(-3, -3);
        FillRect(dc, plain, clWhite);
        FrameRect(dc, plain, CreateSolidBrush(clBlack));
        FillRect(dc, Bounds(plain.Left, plain.Top, plain.Width(), 3), clNavy);
      }
    }
    for (int code : {HTCLOSE, HTMAXBUTTON, HTMINBUTTON}) {
      const RECT b = buttonRect(w, code);
      if (b.IsEmpty()) continue;
      const bool pressed = w.pressedFrameButton == code;
      drawButtonFace(dc, b, pressed);
      const RECT g = pressed ? b.Offset(1, 1) : b;
      if (code == HTCLOSE) drawGlyphClose(dc, g, clBtnText);
      if (code == HTMINBUTTON) drawGlyphMinimize(dc, g, clBtnText);
      if (code == HTMAXBUTTON) drawGlyphMaximize(dc, g, clBtnText, w.maximized);
    }
    const HFONT previous = SelectObject(dc, titleFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, w.ncActive ? clCaptionText : SystemColor(COLOR_INACTIVECAPTIONTEXT));
    RECT text = titleRect(w);
    if (text.Width() > 0)
      DrawText(dc, w.text, text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX | DT_LEFT);
    SelectObject(dc, previous);
  }
  paintScrollBar(w, dc, SB_HORZ);
  paintScrollBar(w, dc, SB_VERT);
  const RECT box = ScrollBarGeometry::sizeBoxRect(w);
  if (!box.IsEmpty()) FillRect(dc, box, clBtnFace);
}
