#include "paint/primitives/KeyColorCopy.h"

#include "paint/CachePictureReader.h"
#include "paint/primitives/CopyArea.h"

namespace {

struct Bgr {
  std::uint8_t B, G, R;
  explicit Bgr(TColor c) {
    c = ColorToRGB(c);
    B = static_cast<std::uint8_t>(GetBValue(c));
    G = static_cast<std::uint8_t>(GetGValue(c));
    R = static_cast<std::uint8_t>(GetRValue(c));
  }
  bool Matches(const std::uint8_t* p) const { return p[0] == B && p[1] == G && p[2] == R; }
  void StoreTo(std::uint8_t* p) const {
    p[0] = B;
    p[1] = G;
    p[2] = R;
  }
};

void Copy3(std::uint8_t* d, const std::uint8_t* s) {
  d[0] = s[0];
  d[1] = s[1];
  d[2] = s[2];
}

}  // namespace

void CopyTransBitmaps(Bitmap& dst, const Bitmap& src, TPoint dstPoint, bool updateCorners, const TCacheInfo& ci,
                      TColor key, const TRect& inclusiveSrcRect) {
  const CopyArea a = ClipInclusiveCopy(inclusiveSrcRect, dstPoint, {src.width(), src.height()}, {dst.width(), dst.height()});
  if (a.IsEmpty()) return;
  const Bgr keyColor(key);
  const Bgr fillColor(ci.FillColor);
  const CachePictureReader cache(updateCorners ? ci : EmptyCI());
  // Key pixels over the cache picture itself already show the parent.
  const bool fromCache = cache.Attached() && ci.Bmp != &dst;
  const bool fill = !ci.Ready;
  const int sb = src.bytesPerPixel();
  const int db = dst.bytesPerPixel();
  for (int y = 0; y < a.Height; ++y) {
    const int dy = a.DstY + y;
    const std::uint8_t* sp = src.row(a.SrcY + y) + a.SrcX * sb;
    std::uint8_t* dp = dst.row(dy) + a.DstX * db;
    for (int i = 0; i < a.Width; ++i, sp += sb, dp += db) {
      if (!keyColor.Matches(sp)) {
        Copy3(dp, sp);
      } else if (fromCache) {
        if (const std::uint8_t* under = cache.At(a.DstX + i, dy)) Copy3(dp, under);
      } else if (fill) {
        fillColor.StoreTo(dp);
      }
    }
  }
}

void CopyTransRect(Bitmap& dst, const Bitmap& src, TPoint dstPoint, TColor key, const TRect& inclusiveSrcRect) {
  const CopyArea a = ClipInclusiveCopy(inclusiveSrcRect, dstPoint, {src.width(), src.height()}, {dst.width(), dst.height()});
  if (a.IsEmpty()) return;
  const Bgr keyColor(key);
  const int sb = src.bytesPerPixel();
  const int db = dst.bytesPerPixel();
  for (int y = 0; y < a.Height; ++y) {
    const std::uint8_t* sp = src.row(a.SrcY + y) + a.SrcX * sb;
    std::uint8_t* dp = dst.row(a.DstY + y) + a.DstX * db;
    for (int i = 0; i < a.Width; ++i, sp += sb, dp += db)
      if (!keyColor.Matches(sp)) Copy3(dp, sp);
  }
}
