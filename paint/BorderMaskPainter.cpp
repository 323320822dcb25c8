#include "paint/BorderMaskPainter.h"

#include <algorithm>
#include <vector>

#include "paint/MaskGeometry.h"
#include "paint/TextureTiling.h"
#include "paint/primitives/ColorMath.h"
#include "paint/primitives/CopyArea.h"
#include "paint/primitives/DeviceArea.h"
#include "paint/primitives/HalftoneStretch.h"
#include "paint/primitives/KeyColorCopy.h"
#include "paint/primitives/MaskCopy.h"

namespace {

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

void PaintMasked(Bitmap& dst, const BorderPieces& p, bool fillCentre, bool updateCorners, const TsMaskData& mask,
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

void PaintPlain(Bitmap& dst, const BorderPieces& p, bool fillCentre, bool updateCorners, const TsMaskData& mask,
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

// A corner of a window-shaping border: key-colour pixels are not drawn and
// each run of them in a row is cut out of the region; the others are copied,
// or blended through the mask half of a masked mask.
void RegionCorner(Bitmap& dst, Region* region, const TRect& to, const TRect& from, const TsMaskData& mask,
                  const Bitmap& picture) {
  const bool masked = mask.MaskType > 0;
  const int maskOffset = masked ? mask.R.Height() / 2 : 0;
  CopyArea a = ClipCopy(Bounds(from.Left, from.Top, std::min(from.Width(), to.Width()), std::min(from.Height(), to.Height())),
                        to.TopLeft(), {picture.width(), picture.height()}, {dst.width(), dst.height()});
  a.Height = std::min(a.Height, picture.height() - maskOffset - a.SrcY);
  if (a.IsEmpty()) return;
  constexpr std::uint8_t kb = GetBValue(clKeyColor), kg = GetGValue(clKeyColor), kr = GetRValue(clKeyColor);
  // Pixels are copied at device resolution; the region is logical, so its
  // cuts come from the first device row of each logical row, a run of key
  // pixels cutting every logical pixel it touches.
  const int n = dst.scale();
  const SourceAtScale source(picture, n);
  const Bitmap& src = source.get();
  const int sb = src.bytesPerPixel(), db = dst.bytesPerPixel();
  const int width = a.Width * n;
  std::vector<TRect> cuts;
  for (int y = 0; y < a.Height * n; ++y) {
    const std::uint8_t* sp = src.row(a.SrcY * n + y) + a.SrcX * n * sb;
    const std::uint8_t* mp = src.row((a.SrcY + maskOffset) * n + y) + a.SrcX * n * sb;
    std::uint8_t* dp = dst.row(a.DstY * n + y) + a.DstX * n * db;
    const bool cutsThisRow = y % n == 0;
    const int row = a.DstY + y / n;
    int runStart = -1;
    for (int i = 0; i <= width; ++i, sp += sb, mp += sb, dp += db) {
      const bool key = i < width && sp[0] == kb && sp[1] == kg && sp[2] == kr;
      if (key) {
        if (runStart < 0) runStart = i;
        continue;
      }
      if (runStart >= 0) {
        if (cutsThisRow) cuts.push_back(Rect(a.DstX + runStart / n, row, a.DstX + (i + n - 1) / n, row + 1));
        runStart = -1;
      }
      if (i == width) break;
      for (int c = 0; c < 3; ++c)
        dp[c] = masked ? static_cast<std::uint8_t>(std::min((dp[c] * mp[c] + sp[c] * (256 - mp[c])) >> 8, 255)) : sp[c];
    }
  }
  if (region == nullptr) return;
  for (const TRect& cut : cuts) *region = Region::combine(*region, Region(cut), RGN_DIFF);
}

}  // namespace

void PaintBorderMask(Bitmap& dst, const TRect& rect, bool fillCentre, bool updateCorners, int state, const TsMaskData& mask,
                     const TCacheInfo& ci, const Bitmap* master) {
  if (state == 0 && (mask.StretchMode & bsHiddenInNormal)) return;
  if (rect.Width() < 2 || rect.Height() < 2) return;
  const Bitmap* src = MaskPicture(mask, master);
  if (src == nullptr) return;

  const BorderPieces p(mask, state, rect);
  if (mask.MaskType > 0) {
    PaintMasked(dst, p, fillCentre, updateCorners, mask, ci, *src);  // masked pieces are always tiled
  } else {
    PaintPlain(dst, p, fillCentre, updateCorners, mask, ci, *src);
  }
}

void PaintBorderMaskWithRegion(Bitmap& dst, Region* region, int state, const TsMaskData& mask, const Bitmap* master) {
  const Bitmap* src = MaskPicture(mask, master);
  if (src == nullptr || dst.empty()) return;
  const BorderPieces p(mask, state, Rect(0, 0, dst.width(), dst.height()));
  RegionCorner(dst, region, p.DstTopLeft(), p.SrcTopLeft(), mask, *src);
  RegionCorner(dst, region, p.DstTopRight(), p.SrcTopRight(), mask, *src);
  RegionCorner(dst, region, p.DstBottomLeft(), p.SrcBottomLeft(), mask, *src);
  RegionCorner(dst, region, p.DstBottomRight(), p.SrcBottomRight(), mask, *src);
  if (mask.MaskType > 0) {
    TileMasked(dst, p.DstLeft(), p.SrcLeft(), mask, *src);
    TileMasked(dst, p.DstTop(), p.SrcTop(), mask, *src);
    TileMasked(dst, p.DstRight(), p.SrcRight(), mask, *src);
    TileMasked(dst, p.DstBottom(), p.SrcBottom(), mask, *src);
  } else {
    // Only the side edges may be scaled; top and bottom are always tiled.
    const bool stretch = (mask.StretchMode & bsStretchEdges) != 0;
    PlainPiece(dst, p.DstLeft(), p.SrcLeft(), stretch, *src);
    PlainPiece(dst, p.DstTop(), p.SrcTop(), false, *src);
    PlainPiece(dst, p.DstRight(), p.SrcRight(), stretch, *src);
    PlainPiece(dst, p.DstBottom(), p.SrcBottom(), false, *src);
  }
}

void PaintBorderCorners(Bitmap& dst, const TRect& rect, int state, const TsMaskData& mask, const TCacheInfo& ci,
                        const Bitmap* master, unsigned corners) {
  if (rect.Width() < 2 || rect.Height() < 2) return;
  TsMaskData m = mask;
  if (m.Bmp && m.ImageCount == 0) {
    m.ImageCount = 3;
    m.MaskType = 1;
    m.R = Rect(0, 0, m.Bmp->width(), m.Bmp->height());
  }
  const Bitmap* src = MaskPicture(m, master);
  if (src == nullptr) return;
  const BorderPieces p(m, state, rect);
  auto corner = [&](unsigned flag, const TRect& to, const TRect& from) {
    if (!(corners & flag) || from.IsEmpty()) return;
    if (m.MaskType > 0) CopyByMask(to, from, dst, m, true, ci, *src);
    else CopyTransBitmaps(dst, *src, to.TopLeft(), true, ci, clKeyColor, Inclusive(from));
  };
  corner(bcTopLeft, p.DstTopLeft(), p.SrcTopLeft());
  corner(bcBottomLeft, p.DstBottomLeft(), p.SrcBottomLeft());
  corner(bcTopRight, p.DstTopRight(), p.SrcTopRight());
  corner(bcBottomRight, p.DstBottomRight(), p.SrcBottomRight());
}
