#pragma once
// Rectangle fills and frames, 3-D edges, focus rectangles, region fills and
// single pixels.
#include "platform/graphics/DeviceContext.h"

// Fills with a brush or directly with a colour (system colours resolved).
bool FillRect(HDC dc, const TRect& rect, const Brush& brush);
bool FillRect(HDC dc, const TRect& rect, TColor color);
// A one-pixel frame just inside the rectangle.
bool FrameRect(HDC dc, const TRect& rect, const Brush& brush);
bool InvertRect(HDC dc, const TRect& rect);
bool FillRgn(HDC dc, const Region& region, const Brush& brush);
bool InvertRgn(HDC dc, const Region& region);
// Frames every edge of the region with a width x height pixel border inside it.
bool FrameRgn(HDC dc, const Region& region, const Brush& brush, int width, int height);

// Dotted frame drawn by inverting every other pixel: drawing it twice at the
// same place removes it.
bool DrawFocusRect(HDC dc, const TRect& rect);

// 3-D edges. edge combines an outer and an inner line; flags choose sides
// and extras. Colours: raised outer light/dark shadow, sunken outer
// shadow/highlight, raised inner highlight/shadow, sunken inner dark
// shadow/light (top-left/bottom-right). A lone inner or outer line is drawn
// at the outer position. BF_ADJUST shrinks rect by the lines drawn.
enum EdgeLines : unsigned {
  BDR_RAISEDOUTER = 0x1,
  BDR_SUNKENOUTER = 0x2,
  BDR_RAISEDINNER = 0x4,
  BDR_SUNKENINNER = 0x8,
  BDR_OUTER = 0x3,
  BDR_INNER = 0xC,
  EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER,
  EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER,
  EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER,
  EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER,
};
enum EdgeFlags : unsigned {
  BF_LEFT = 0x1,
  BF_TOP = 0x2,
  BF_RIGHT = 0x4,
  BF_BOTTOM = 0x8,
  BF_TOPLEFT = BF_TOP | BF_LEFT,
  BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT,
  BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM,
  BF_MIDDLE = 0x800,    // fill the inside with the button face colour
  BF_SOFT = 0x1000,     // accepted, drawn as without
  BF_ADJUST = 0x2000,
  BF_FLAT = 0x4000,     // lines in shadow (outer) and face (inner) colour
  BF_MONO = 0x8000,     // lines in window frame (outer) and window (inner) colour
};
bool DrawEdge(HDC dc, TRect& rect, unsigned edge, unsigned flags);

// Logical coordinates; GetPixel answers CLR_INVALID outside the clip.
TColor SetPixel(HDC dc, int x, int y, TColor color);
TColor GetPixel(HDC dc, int x, int y);
