#include "controls/hints/TsHintGeometry.h"

TsHintPlacement PlaceHintWindow(TPoint point, TSize size, TsMousePosition corner, const TRect& desktop) {
  int x = point.X;
  int y = point.Y;
  if (PointAtBottom(corner)) y -= size.cy;
  if (corner == mpRightTop || corner == mpRightBottom) x -= size.cx;

  bool fitted = false;
  if (y + size.cy > desktop.Bottom) {
    y = point.Y - size.cy;
    fitted = true;
  }
  if (y < desktop.Top) {
    y = point.Y;
    fitted = true;
  }
  if (x + size.cx > desktop.Right) {
    x = point.X - size.cx;
    fitted = true;
  }
  if (x < desktop.Left) {
    x = point.X;
    fitted = true;
  }
  if (fitted) {
    const bool below = y >= point.Y;
    const bool right = x >= point.X;
    corner = below ? (right ? mpLeftTop : mpRightTop) : (right ? mpLeftBottom : mpRightBottom);
  }
  return {Rect(x, y, x + size.cx, y + size.cy), corner};
}

TRect HintBodyRect(TSize size, int shadow, int exOffset, TsMousePosition corner) {
  if (PointAtBottom(corner)) return Rect(0, 0, size.cx - shadow, size.cy - shadow - exOffset);
  return Rect(0, exOffset, size.cx - shadow, size.cy - shadow);
}

TPoint HintTailTip(TSize size, TsMousePosition corner) {
  const int x = corner == mpRightTop || corner == mpRightBottom ? size.cx - 3 : 3;
  const int y = PointAtBottom(corner) ? size.cy - 3 : 3;
  return {x, y};
}
