#include "platform/graphics/Fills.h"

#include "platform/graphics/ClippedPaint.h"
#include "platform/graphics/RasterOps.h"

bool FillRect(HDC dc, const TRect& rect, const Brush& brush) {
  if (!dc) return false;
  if (!brush.hollow()) ClippedPaint::fill(*dc, dc->toTarget(rect), brush.color);
  return true;
}

bool FillRect(HDC dc, const TRect& rect, TColor color) { return FillRect(dc, rect, CreateSolidBrush(color)); }

bool FrameRect(HDC dc, const TRect& rect, const Brush& brush) {
  if (!dc) return false;
  if (rect.IsEmpty() || brush.hollow()) return true;
  // A frame one logical pixel wide: as many target pixels as the scale.
  const TRect r = dc->toTarget(rect);
  const int n = dc->scale();
  ClippedPaint::fill(*dc, TRect{r.Left, r.Top, r.Right, r.Top + n}, brush.color);
  ClippedPaint::fill(*dc, TRect{r.Left, r.Bottom - n, r.Right, r.Bottom}, brush.color);
  ClippedPaint::fill(*dc, TRect{r.Left, r.Top + n, r.Left + n, r.Bottom - n}, brush.color);
  ClippedPaint::fill(*dc, TRect{r.Right - n, r.Top + n, r.Right, r.Bottom - n}, brush.color);
  return true;
}

bool InvertRect(HDC dc, const TRect& rect) {
  if (!dc) return false;
  ClippedPaint::invert(*dc, dc->toTarget(rect));
  return true;
}

bool FillRgn(HDC dc, const Region& region, const Brush& brush) {
  if (!dc) return false;
  if (!brush.hollow()) ClippedPaint::fill(*dc, ClippedPaint::toTarget(*dc, region), brush.color);
  return true;
}

bool InvertRgn(HDC dc, const Region& region) {
  if (!dc) return false;
  ClippedPaint::invert(*dc, ClippedPaint::toTarget(*dc, region));
  return true;
}

bool FrameRgn(HDC dc, const Region& region, const Brush& brush, int width, int height) {
  if (!dc || width < 0 || height < 0) return false;
  // The inside is what stays covered when the region is moved by the frame
  // size in each of the four directions.
  Region inner = region;
  const int moves[4][2] = {{width, 0}, {-width, 0}, {0, height}, {0, -height}};
  for (const auto& move : moves) {
    Region shifted = region;
    shifted.offset(move[0], move[1]);
    inner = Region::combine(inner, shifted, RGN_AND);
  }
  return FillRgn(dc, Region::combine(region, inner, RGN_DIFF), brush);
}

bool DrawFocusRect(HDC dc, const TRect& rect) {
  if (!dc) return false;
  if (rect.IsEmpty()) return true;
  const TRect r = dc->toTarget(rect);
  const int n = dc->scale();
  // Top and bottom rows whole, the sides between them, so no pixel is
  // inverted twice. The dots are logical pixels.
  const TRect sides[4] = {{r.Left, r.Top, r.Right, r.Top + n},
                          {r.Left, r.Bottom - n, r.Right, r.Bottom},
                          {r.Left, r.Top + n, r.Left + n, r.Bottom - n},
                          {r.Right - n, r.Top + n, r.Right, r.Bottom - n}};
  Bitmap& target = dc->target();
  for (int i = 0; i < 4; ++i) {
    if (i == 1 && rect.Height() == 1) continue;
    if (i == 3 && rect.Width() == 1) continue;
    dc->clipInTarget().forEachRectIn(sides[i], [&](const TRect& part) { RasterOps::invertChecked(target, part, n); });
  }
  return true;
}

namespace {

struct EdgeLine {
  TColor topLeft;
  TColor bottomRight;
};

// Draws one line of an edge, n target pixels thick, on the chosen sides. Top
// and left come first so that the bottom-right colour owns the top-right and
// bottom-left corners.
void drawEdgeLine(DeviceContext& dc, const TRect& r, unsigned sides, EdgeLine line, int n) {
  if (sides & BF_TOP) ClippedPaint::fill(dc, TRect{r.Left, r.Top, r.Right, r.Top + n}, line.topLeft);
  if (sides & BF_LEFT) ClippedPaint::fill(dc, TRect{r.Left, r.Top, r.Left + n, r.Bottom}, line.topLeft);
  if (sides & BF_BOTTOM) ClippedPaint::fill(dc, TRect{r.Left, r.Bottom - n, r.Right, r.Bottom}, line.bottomRight);
  if (sides & BF_RIGHT) ClippedPaint::fill(dc, TRect{r.Right - n, r.Top, r.Right, r.Bottom}, line.bottomRight);
}

}  // namespace

bool DrawEdge(HDC dc, TRect& rect, unsigned edge, unsigned flags) {
  if (!dc) return false;
  const unsigned outer = edge & BDR_OUTER;
  const unsigned inner = edge & BDR_INNER;
  EdgeLine lines[2];
  int count = 0;
  if (flags & BF_MONO) {
    if (outer) lines[count++] = {clWindowFrame, clWindowFrame};
    if (inner) lines[count++] = {clWindow, clWindow};
  } else if (flags & BF_FLAT) {
    if (outer) lines[count++] = {clBtnShadow, clBtnShadow};
    if (inner) lines[count++] = {clBtnFace, clBtnFace};
  } else {
    if (outer) lines[count++] = outer & BDR_RAISEDOUTER ? EdgeLine{cl3DLight, cl3DDkShadow} : EdgeLine{clBtnShadow, clBtnHighlight};
    if (inner) lines[count++] = inner & BDR_RAISEDINNER ? EdgeLine{clBtnHighlight, clBtnShadow} : EdgeLine{cl3DDkShadow, cl3DLight};
  }

  const unsigned sides = flags & BF_RECT;
  TRect r = dc->toTarget(rect);
  const int n = dc->scale();
  for (int i = 0; i < count && !r.IsEmpty(); ++i) {
    drawEdgeLine(*dc, r, sides, lines[i], n);
    if (sides & BF_LEFT) r.Left += n;
    if (sides & BF_TOP) r.Top += n;
    if (sides & BF_RIGHT) r.Right -= n;
    if (sides & BF_BOTTOM) r.Bottom -= n;
  }
  if ((flags & BF_MIDDLE) && !r.IsEmpty()) ClippedPaint::fill(*dc, r, flags & BF_MONO ? clWindow : clBtnFace);
  if (flags & BF_ADJUST) {
    const TPoint origin = dc->toTarget(TPoint{0, 0});
    const TRect moved = r.Offset(-origin.X, -origin.Y);
    rect = {moved.Left / n, moved.Top / n, moved.Right / n, moved.Bottom / n};
  }
  return true;
}

TColor SetPixel(HDC dc, int x, int y, TColor color) {
  if (!dc) return CLR_INVALID;
  const TPoint p = dc->toTarget(TPoint{x, y});
  if (!dc->clipInTarget().contains(p.X, p.Y)) return CLR_INVALID;
  // The whole logical pixel: a block of the target's scale.
  const TColor rgb = ColorToRGB(color);
  const int n = dc->scale();
  dc->clipInTarget().forEachRectIn(TRect{p.X, p.Y, p.X + n, p.Y + n},
                                   [&](const TRect& r) { RasterOps::fill(dc->target(), r, rgb); });
  return rgb;
}

TColor GetPixel(HDC dc, int x, int y) {
  if (!dc) return CLR_INVALID;
  const TPoint p = dc->toTarget(TPoint{x, y});
  if (!dc->clipInTarget().contains(p.X, p.Y)) return CLR_INVALID;
  return dc->target().devicePixel(p.X, p.Y);
}
