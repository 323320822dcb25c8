#include "platform/controls/ControlPainter.h"

#include <algorithm>

void ControlPainter::buttonFace(HDC dc, const TRect& rect, bool pushed, bool isDefault) {
  TRect r = rect;
  if (isDefault) {
    FrameRect(dc, r, CreateSolidBrush(cl3DDkShadow));
    r = r.Inflate(-1, -1);
  }
  if (pushed) {
    // The classic pushed look: a plain shadow line inside a dark frame.
    FrameRect(dc, r, CreateSolidBrush(isDefault ? clBtnShadow : cl3DDkShadow));
    r = r.Inflate(-1, -1);
    if (!isDefault) {
      FrameRect(dc, r, CreateSolidBrush(clBtnShadow));
      r = r.Inflate(-1, -1);
    }
    FillRect(dc, r, clBtnFace);
    return;
  }
  DrawEdge(dc, r, EDGE_RAISED, BF_RECT | BF_MIDDLE);
}

void ControlPainter::arrow(HDC dc, const TRect& rect, ArrowDirection direction, TColor color) {
  // An odd base keeps the tip on the middle pixel; rows shrink by one on each side.
  const int base = std::max(3, std::min(rect.Width(), rect.Height()) / 2) | 1;
  const int rows = (base + 1) / 2;
  const int cx = rect.Left + rect.Width() / 2;
  const int cy = rect.Top + rect.Height() / 2;
  const Brush brush = CreateSolidBrush(color);
  for (int i = 0; i < rows; ++i) {
    const int length = base - 2 * i;
    const int along = -(base / 2) + i;  // start of this row across the arrow
    switch (direction) {
      case ArrowDirection::Down: FillRect(dc, Bounds(cx + along, cy - rows / 2 + i, length, 1), brush); break;
      case ArrowDirection::Up: FillRect(dc, Bounds(cx + along, cy - rows / 2 + rows - 1 - i, length, 1), brush); break;
      case ArrowDirection::Right: FillRect(dc, Bounds(cx - rows / 2 + i, cy + along, 1, length), brush); break;
      case ArrowDirection::Left: FillRect(dc, Bounds(cx - rows / 2 + rows - 1 - i, cy + along, 1, length), brush); break;
    }
  }
}

void ControlPainter::checkBox(HDC dc, const TRect& box, int check, bool pushed, bool enabled) {
  TRect r = box;
  DrawEdge(dc, r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  FillRect(dc, r, pushed || !enabled ? clBtnFace : clWindow);
  if (!check) return;
  tick(dc, r, check == 2 || !enabled ? clGrayText : clWindowText);
}

void ControlPainter::tick(HDC dc, const TRect& area, TColor color) {
  // Seven columns three pixels high: down-right for three, then up-right.
  const int x0 = area.Left + (area.Width() - 7) / 2;
  const int y0 = area.Top + (area.Height() - 7) / 2 + 1;
  for (int i = 0; i < 7; ++i) {
    const int y = i < 3 ? y0 + i : y0 + 4 - i;
    FillRect(dc, Bounds(x0 + i, y + 1, 1, 3), color);
  }
}

void ControlPainter::bullet(HDC dc, const TRect& area, TColor color) {
  constexpr int kRowWidths[6] = {2, 4, 6, 6, 4, 2};
  const int x0 = area.Left + (area.Width() - 6) / 2;
  const int y0 = area.Top + (area.Height() - 6) / 2;
  for (int row = 0; row < 6; ++row) {
    const int inset = (6 - kRowWidths[row]) / 2;
    FillRect(dc, Bounds(x0 + inset, y0 + row, kRowWidths[row], 1), color);
  }
}

void ControlPainter::radioButton(HDC dc, const TRect& box, bool checked, bool pushed, bool enabled) {
  const int saved = SaveDC(dc);
  SelectObject(dc, CreatePen(PS_SOLID, 1, clBtnShadow));
  SelectObject(dc, CreateSolidBrush(pushed || !enabled ? clBtnFace : clWindow));
  Ellipse(dc, box.Left, box.Top, box.Right, box.Bottom);
  if (checked) {
    const TColor dot = enabled ? clWindowText : clGrayText;
    SelectObject(dc, CreatePen(PS_SOLID, 1, dot));
    SelectObject(dc, CreateSolidBrush(dot));
    Ellipse(dc, box.Left + 4, box.Top + 4, box.Right - 4, box.Bottom - 4);
  }
  RestoreDC(dc, saved);
}

void ControlPainter::warningSign(HDC dc, const TRect& square) {
  const int saved = SaveDC(dc);
  const int s = std::min(square.Width(), square.Height());
  const TPoint points[] = {{square.Left + s / 2, square.Top + 1},
                           {square.Left + s - 1, square.Top + s - 2},
                           {square.Left, square.Top + s - 2}};
  SelectObject(dc, CreatePen(PS_SOLID, 1, clBlack));
  SelectObject(dc, CreateSolidBrush(clYellow));
  Polygon(dc, points);
  // The exclamation mark: a bar and a dot in the lower two thirds.
  const int barWidth = std::max(2, s / 10);
  const int cx = square.Left + s / 2 - barWidth / 2;
  FillRect(dc, Bounds(cx, square.Top + s * 3 / 8, barWidth, s * 3 / 8), clBlack);
  FillRect(dc, Bounds(cx, square.Top + s * 13 / 16, barWidth, barWidth), clBlack);
  RestoreDC(dc, saved);
}
