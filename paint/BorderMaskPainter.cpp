#include "paint/BorderMaskPainter.h"

#include <algorithm>

#include "paint/ColorMath.h"
#include "paint/FillPrimitives.h"
#include "paint/HalftoneStretch.h"
#include "paint/KeyColorCopy.h"
#include "paint/MaskCopy.h"
#include "paint/MaskGeometry.h"
#include "paint/TextureTiling.h"

namespace {

void Shrink(int size, int& first, int& second) {
  if (size >= first + second) return;
  const int d = (first + second - size) / 2;
  first = std::max(first - d, 0);
  second = std::max(second - d - (size % 2 != 0 ? 1 : 0), 0);
}

// Where the nine pieces come from (in the source picture) and go (in dst).
struct NinePieces {
  int x0, y0, w, h, cw, ch;  // frame origin, frame size, centre size
  BorderWidths b;
  int L, T, R, B;  // destination rectangle

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

TRect Inclusive(const TRect& r) { return Rect(r.Left, r.Top, r.Right - 1, r.Bottom - 1); }

// Repeats a masked piece over an area, the last row and column cut; a piece
// size of 0 repeats nothing.
void TileMasked(Bitmap& dst, const TRect& area, const TRect& piece, const TsMaskData& mask, const Bitmap& src) {
  const int t = piece.Width(), u = piece.Height();
  if (t <= 0 || u <= 0 || area.IsEmpty()) return;
  for (int y = area.Top; y < area.Bottom; y += u)
    for (int x = area.Left; x < area.Right; x += t)
      CopyByMask(Rect(x, y, std::min(x + t, area.Right), std::min(y + u, area.Bottom)), piece, dst, mask, false, EmptyCI(), src);
}

void PaintMasked(Bitmap& dst, const NinePieces& p, bool fillCentre, bool updateCorners, const TsMaskData& mask,
                 const TCacheInfo& ci, const Bitmap& src) {
  CopyByMask(p.DstTopLeft(), p.SrcTopLeft(), dst, mask, updateCorners, ci, src);
  TileMasked(dst, p.DstLeft(), p.SrcLeft(), mask, src);
  TileMasked(dst, p.DstTop(), p.SrcTop(), mask, src);
  CopyByMask(p.DstBottomLeft(), p.SrcBottomLeft(), dst, mask, updateCorners, ci, src);
  TileMasked(dst, p.DstBottom(), p.SrcBottom(), mask, src);
  CopyByMask(p.DstBottomRight(), p.SrcBottomRight(), dst, mask, updateCorners, ci, src);
  CopyByMask(p.DstTopRight(), p.SrcTopRight(), dst, mask, updateCorners, ci, src);
  TileMasked(dst, p.DstRight(), p.SrcRight(), mask, src);
  if (fillCentre && (mask.StretchMode & bsDrawCentre)) TileMasked(dst, p.DstCentre(), p.SrcCentre(), mask, src);
}

// An edge or the centre of a plain mask: one scaled copy, or tiles of the
// source piece's size (only when that size is above 0).
void PlainPiece(Bitmap& dst, const TRect& area, const TRect& piece, bool stretch, const Bitmap& src) {
  if (area.IsEmpty() || piece.IsEmpty()) return;
  if (stretch) {
    StretchBitmapRect(dst, area, src, piece);
  } else {
    TilePiece(dst, area, area.TopLeft(), src, piece);
  }
}

void PaintPlain(Bitmap& dst, const NinePieces& p, bool fillCentre, bool updateCorners, const TsMaskData& mask,
                const TCacheInfo& ci, const Bitmap& src) {
  const bool stretch = (mask.StretchMode & bsStretchEdges) != 0;
  auto corner = [&](const TRect& to, const TRect& from) {
    if (from.IsEmpty()) return;
    CopyTransBitmaps(dst, src, to.TopLeft(), updateCorners, ci, clKeyColor, Inclusive(from));
  };
  corner(p.DstTopLeft(), p.SrcTopLeft());
  PlainPiece(dst, p.DstLeft(), p.SrcLeft(), stretch, src);
  PlainPiece(dst, p.DstTop(), p.SrcTop(), stretch, src);
  corner(p.DstBottomLeft(), p.SrcBottomLeft());
  PlainPiece(dst, p.DstBottom(), p.SrcBottom(), stretch, src);
  corner(p.DstBottomRight(), p.SrcBottomRight());
  corner(p.DstTopRight(), p.SrcTopRight());
  PlainPiece(dst, p.DstRight(), p.SrcRight(), stretch, src);
  if (fillCentre && (mask.StretchMode & bsDrawCentre)) PlainPiece(dst, p.DstCentre(), p.SrcCentre(), stretch, src);
}

}  // namespace

BorderWidths FitBorderWidths(const TsMaskData& mask, int width, int height) {
  BorderWidths b{std::max<int>(mask.WL, 0), std::max<int>(mask.WT, 0), std::max<int>(mask.WR, 0), std::max<int>(mask.WB, 0)};
  Shrink(width, b.Left, b.Right);
  Shrink(height, b.Top, b.Bottom);
  return b;
}

void PaintBorderMask(Bitmap& dst, const TRect& rect, bool fillCentre, bool updateCorners, int state, const TsMaskData& mask,
                     const TCacheInfo& ci, const Bitmap* master) {
  if (state == 0 && (mask.StretchMode & bsHiddenInNormal)) return;
  if (rect.Width() < 2 || rect.Height() < 2) return;
  const Bitmap* src = MaskPicture(mask, master);
  if (src == nullptr) return;

  const TSize frame = MaskFrameSize(mask);
  NinePieces p{};
  p.b = FitBorderWidths(mask, rect.Width(), rect.Height());
  p.w = frame.cx;
  p.h = frame.cy;
  p.cw = std::max(p.w - p.b.Left - p.b.Right, 0);
  p.ch = std::max(p.h - p.b.Top - p.b.Bottom, 0);
  p.x0 = mask.R.Left + ClampMaskState(mask, state) * p.w;
  p.y0 = mask.R.Top;
  p.L = rect.Left;
  p.T = rect.Top;
  p.R = rect.Right;
  p.B = rect.Bottom;
  if (mask.MaskType > 0) {
    PaintMasked(dst, p, fillCentre, updateCorners, mask, ci, *src);  // masked pieces are always tiled
  } else {
    PaintPlain(dst, p, fillCentre, updateCorners, mask, ci, *src);
  }
}
