#pragma once
// Where the nine pieces of a border mask come from (in the source picture)
// and where they go (in the destination): four corners, four edges and the
// centre of one state frame.
#include "paint/SkinRecords.h"
#include "platform/Geometry.h"

// The border widths that fit a rectangle: when two opposite widths add up to
// more than the rectangle, both shrink (the right or bottom one by one more
// for an odd size), never below 0.
struct BorderWidths {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};
BorderWidths FitBorderWidths(const TsMaskData& mask, int width, int height);

struct BorderPieces {
  int x0 = 0, y0 = 0;  // origin of the state frame in the source
  int w = 0, h = 0;    // frame size
  int cw = 0, ch = 0;  // centre piece size in the source
  BorderWidths b;
  int L = 0, T = 0, R = 0, B = 0;  // destination rectangle

  // The pieces of mask's frame `state` (clamped) around rect.
  BorderPieces(const TsMaskData& mask, int state, const TRect& rect);

  TRect SrcTopLeft() const { return Bounds(x0, y0, b.Left, b.Top); }
  TRect SrcTop() const { return Bounds(x0 + b.Left, y0, cw, b.Top); }
  TRect SrcTopRight() const { return Bounds(x0 + b.Left + cw, y0, b.Right, b.Top); }
  TRect SrcLeft() const { return Bounds(x0, y0 + b.Top, b.Left, ch); }
  TRect SrcCentre() const { return Bounds(x0 + b.Left, y0 + b.Top, cw, ch); }
  TRect SrcRight() const { return Bounds(x0 + b.Left + cw, y0 + b.Top, b.Right, ch); }
  TRect SrcBottomLeft() const { return Bounds(x0, y0 + h - b.Bottom, b.Left, b.Bottom); }
  TRect SrcBottom() const { return Bounds(x0 + b.Left, y0 + h - b.Bottom, cw, b.Bottom); }
  TRect SrcBottomRight() const { return Bounds(x0 + b.Left + cw, y0 + h - b.Bottom, b.Right, b.Bottom); }

  TRect DstTopLeft() const { return Rect(L, T, L + b.Left, T + b.Top); }
  TRect DstTop() const { return Rect(L + b.Left, T, R - b.Right, T + b.Top); }
  TRect DstTopRight() const { return Rect(R - b.Right, T, R, T + b.Top); }
  TRect DstLeft() const { return Rect(L, T + b.Top, L + b.Left, B - b.Bottom); }
  TRect DstCentre() const { return Rect(L + b.Left, T + b.Top, R - b.Right, B - b.Bottom); }
  TRect DstRight() const { return Rect(R - b.Right, T + b.Top, R, B - b.Bottom); }
  TRect DstBottomLeft() const { return Rect(L, B - b.Bottom, L + b.Left, B); }
  TRect DstBottom() const { return Rect(L + b.Left, B - b.Bottom, R - b.Right, B); }
  TRect DstBottomRight() const { return Rect(R - b.Right, B - b.Bottom, R, B); }
};
