#pragma once
// Where a hint window goes and how its bubble is laid out inside it: the
// corner that sits at the hint point, the body rectangle and the tail tip.
// Plain arithmetic, shared by every hint window class.
#include "controls/hints/TsHintKind.h"
#include "platform/Geometry.h"

struct TsHintPlacement {
  TRect Window;             // screen rectangle
  TsMousePosition Corner;   // the corner at the hint point after fitting
};

// Puts the window's `corner` at `point`, then keeps it on the desktop by
// flipping it to the other side of the point; a flip recomputes the corner
// from the side the window ended on.
TsHintPlacement PlaceHintWindow(TPoint point, TSize size, TsMousePosition corner, const TRect& desktop);

// True for the two corners that put the point at the window's bottom.
constexpr bool PointAtBottom(TsMousePosition corner) { return corner == mpLeftBottom || corner == mpRightBottom; }

// The bubble's body in a window of `size`: the tail's room (exOffset) lies
// on the side of the point, the shadow's (shadow) right and below.
TRect HintBodyRect(TSize size, int shadow, int exOffset, TsMousePosition corner);

// The tail tip, three pixels in from the pointed corner.
TPoint HintTailTip(TSize size, TsMousePosition corner);
