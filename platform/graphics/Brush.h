#pragma once
// The fill of shapes and rectangles: solid colour or nothing (hollow).
// Brushes are plain values; a system colour in a brush is resolved when it
// is used, so system brushes follow colour changes.
#include "platform/Color.h"

enum BrushStyle : int { BS_SOLID = 0, BS_NULL = 1, BS_HOLLOW = BS_NULL };

struct Brush {
  int style = BS_SOLID;
  TColor color = clWhite;
  bool hollow() const { return style == BS_NULL; }
  friend bool operator==(const Brush&, const Brush&) = default;
};

inline Brush CreateSolidBrush(TColor color) { return Brush{BS_SOLID, color}; }
inline Brush GetSysColorBrush(int index) { return Brush{BS_SOLID, SystemColor(index)}; }

enum StockBrush : int { WHITE_BRUSH = 0, LTGRAY_BRUSH = 1, GRAY_BRUSH = 2, DKGRAY_BRUSH = 3, BLACK_BRUSH = 4, NULL_BRUSH = 5 };
inline Brush GetStockBrush(int which) {
  switch (which) {
    case LTGRAY_BRUSH: return Brush{BS_SOLID, clSilver};
    case GRAY_BRUSH: return Brush{BS_SOLID, clGray};
    case DKGRAY_BRUSH: return Brush{BS_SOLID, RGB(64, 64, 64)};
    case BLACK_BRUSH: return Brush{BS_SOLID, clBlack};
    case NULL_BRUSH: return Brush{BS_NULL, clBlack};
    default: return Brush{BS_SOLID, clWhite};
  }
}
