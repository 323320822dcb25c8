#include "paint/TextureTiling.h"

#include <algorithm>

#include "paint/primitives/ColorMath.h"
#include "paint/primitives/FillPrimitives.h"
#include "paint/primitives/HalftoneStretch.h"
#include "paint/primitives/MaskCopy.h"

namespace {

// The uncovered remainder, or the "covered" value when nothing remains.
TRect Remainder(const TRect& r) { return r.IsEmpty() ? kFullyCovered : r; }

}  // namespace

void TilePiece(Bitmap& dst, const TRect& area, TPoint origin, const Bitmap& src, const TRect& piece) {
  const TRect visible = Intersect(area, Rect(0, 0, dst.width(), dst.height()));
  const int t = piece.Width(), u = piece.Height();
  if (visible.IsEmpty() || t <= 0 || u <= 0) return;
  // Start at the first tile that reaches into the visible part.
  const int firstX = origin.X + std::max(0, (visible.Left - origin.X) / t) * t;
  const int firstY = origin.Y + std::max(0, (visible.Top - origin.Y) / u) * u;
  for (int y = firstY; y < visible.Bottom; y += u)
    for (int x = firstX; x < visible.Right; x += t) {
      const TRect tile = Intersect(Bounds(x, y, t, u), visible);
      if (tile.IsEmpty()) continue;
      CopyBitmapRect(dst, tile.TopLeft(), src,
                     Bounds(piece.Left + tile.Left - x, piece.Top + tile.Top - y, tile.Width(), tile.Height()));
    }
}

void TileTexture(Bitmap& dst, TRect& rect, const Bitmap* picture, int fillMode, const TsMaskData* mask) {
  if (rect.IsEmpty()) {
    rect = kFullyCovered;
    return;
  }
  // A picture of its own is tiled unscaled over everything.
  const Bitmap* own = mask == nullptr ? picture : mask->Bmp.get();
  if (own != nullptr) {
    if (own->empty()) return;
    TilePiece(dst, rect, rect.TopLeft(), *own, Rect(0, 0, own->width(), own->height()));
    rect = kFullyCovered;
    return;
  }
  if (picture == nullptr || picture->empty()) return;
  const TRect piece = Intersect(mask->R, Rect(0, 0, picture->width(), picture->height()));
  if (piece.IsEmpty()) return;
  const int t = piece.Width(), u = piece.Height();
  const TRect r = rect;
  switch (fillMode) {
    case 0:
      TilePiece(dst, r, r.TopLeft(), *picture, piece);
      rect = kFullyCovered;
      break;
    case 1:
      StretchBitmapRect(dst, r, *picture, piece);
      rect = kFullyCovered;
      break;
    case 2:
      TilePiece(dst, Rect(r.Left, r.Top, r.Right, std::min(r.Top + u, r.Bottom)), r.TopLeft(), *picture, piece);
      rect = Remainder(Rect(r.Left, r.Top + u, r.Right, r.Bottom));
      break;
    case 3:
      TilePiece(dst, Rect(r.Left, r.Top, std::min(r.Left + t, r.Right), r.Bottom), r.TopLeft(), *picture, piece);
      rect = Remainder(Rect(r.Left + t, r.Top, r.Right, r.Bottom));
      break;
    case 4:
      StretchBitmapRect(dst, Rect(r.Left, r.Top, r.Right, r.Top + u), *picture, piece, &r);
      rect = Remainder(Rect(r.Left, r.Top + u, r.Right, r.Bottom));
      break;
    case 5:
      StretchBitmapRect(dst, Rect(r.Left, r.Top, r.Left + t, r.Bottom), *picture, piece, &r);
      rect = Remainder(Rect(r.Left + t, r.Top, r.Right, r.Bottom));
      break;
    case 6:
      TilePiece(dst, Rect(r.Left, std::max(r.Top, r.Bottom - u), r.Right, r.Bottom), Point(r.Left, r.Bottom - u), *picture, piece);
      rect = Remainder(Rect(r.Left, r.Top, r.Right, r.Bottom - u));
      break;
    case 7:
      TilePiece(dst, Rect(std::max(r.Left, r.Right - t), r.Top, r.Right, r.Bottom), Point(r.Right - t, r.Top), *picture, piece);
      rect = Remainder(Rect(r.Left, r.Top, r.Right - t, r.Bottom));
      break;
    case 10: {
      // Whole rows only; the strip below the last one keeps what it had.
      int rowsBottom = r.Top;
      while (rowsBottom < r.Bottom - u) rowsBottom += u;
      TilePiece(dst, Rect(r.Left, r.Top, r.Right, rowsBottom), r.TopLeft(), *picture, piece);
      rect = kFullyCovered;
      break;
    }
    default:
      break;  // not used by skins: the caller fills the whole rectangle
  }
}

void TileTextureWithMask(Bitmap& dst, TRect& rect, const TCacheInfo& ci, int fillMode, const TsMaskData& mask,
                         const Bitmap& master) {
  if (fillMode != 0 && fillMode != 10) return;
  const Bitmap& src = mask.Bmp ? *mask.Bmp : master;
  const int t = mask.ImageCount > 0 ? mask.R.Width() / mask.ImageCount : 0;
  const int u = mask.R.Height() / 2;
  const TRect r = rect;
  rect = kFullyCovered;
  if (t <= 0 || u <= 0 || src.empty() || r.IsEmpty()) return;
  const TRect piece = Bounds(mask.R.Left, mask.R.Top, t, u);
  // Key pixels show the parent picture, or its plain colour when it has one.
  const bool showParent = ci.Ready || ci.FillColor != clKeyColor;

  int wholeRight = r.Left;  // right edge of the last whole column
  while (wholeRight < r.Right - t) wholeRight += t;
  int wholeBottom = r.Top;  // bottom edge of the last whole row
  while (wholeBottom < r.Bottom - u) wholeBottom += u;
  const int right = fillMode == 0 ? r.Right : wholeRight;  // mode 0 adds one cut column
  for (int y = r.Top; y < wholeBottom; y += u)
    for (int x = r.Left; x < right; x += t)
      CopyByMask(Rect(x, y, std::min(x + t, right), y + u), piece, dst, mask, showParent, ci, src);
  if (fillMode != 10) return;

  const TRect strips[2] = {Rect(wholeRight, r.Top, r.Right, wholeBottom), Rect(r.Left, wholeBottom, r.Right, r.Bottom)};
  for (const TRect& strip : strips) {
    if (strip.IsEmpty()) continue;
    if (ci.Ready && ci.Bmp != nullptr) {
      CopyBitmapRect(dst, strip.TopLeft(), *ci.Bmp, strip.Offset(ci.X, ci.Y));
    } else if (ci.FillColor != clKeyColor) {
      FillBitmapRect(dst, strip, ci.FillColor);
    }
  }
}
