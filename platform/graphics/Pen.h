#pragma once
// The outline of shapes and lines: a style, a width in pixels and a colour.
// Pens are plain values selected into a drawing context; nothing to delete.
#include "platform/Color.h"

enum PenStyle : int {
  PS_SOLID = 0,
  PS_NULL = 5,
  // Shapes are always drawn inside their box, so this is the same as solid.
  PS_INSIDEFRAME = 6,
};

struct Pen {
  int style = PS_SOLID;
  int width = 1;  // widths below 1 draw as 1
  TColor color = clBlack;
  friend bool operator==(const Pen&, const Pen&) = default;
};

inline Pen CreatePen(int style, int width, TColor color) { return Pen{style, width, color}; }

enum StockPen : int { WHITE_PEN = 6, BLACK_PEN = 7, NULL_PEN = 8 };
inline Pen GetStockPen(int which) {
  if (which == WHITE_PEN) return Pen{PS_SOLID, 1, clWhite};
  if (which == NULL_PEN) return Pen{PS_NULL, 1, clBlack};
  return Pen{};
}
