#include "paint/primitives/KeyColorCopy.h"

#include "paint/CachePictureReader.h"
#include "paint/primitives/ColorMath.h"
#include "paint/primitives/CopyArea.h"
#include "paint/primitives/DeviceArea.h"
#include "paint/primitives/KeyedRows.h"

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

// The vector forms take rows of 24-bit pixels.
VectorSteps StepsFor(const Bitmap& dst, const Bitmap& src) {
  return dst.bytesPerPixel() == 3 && src.bytesPerPixel() == 3 ? ActiveVectorSteps() : VectorSteps::Plain;
}

// The row's leading pixels in vector steps; none when the destination row
// overlaps the source row, which a copy within one bitmap relies on being
// read pixel by pixel as it is written.
int LeadingPixelsInSteps(std::uint8_t* dp, const std::uint8_t* sp, int count, int dstX, int dstY,
                         const KeyTreatment& keys, VectorSteps steps) {
  if (steps == VectorSteps::Plain || RunsOverlap(dp, sp, 3 * count)) return 0;
  KeyedRow row;
  row.Dst = dp;
  row.Src = sp;
  row.Count = count;
  row.DstX = dstX;
  row.DstY = dstY;
  return KeyedRowInSteps(row, keys, steps);
}

KeyTreatment KeysOf(KeyRule rule, const Bgr& key) {
  KeyTreatment keys;
  keys.Rule = rule;
  key.StoreTo(keys.Key);
  return keys;
}

}  // namespace

void CopyTransBitmaps(Bitmap& dst, const Bitmap& picture, TPoint dstPoint, bool updateCorners, const TCacheInfo& ci,
                      TColor key, const TRect& inclusiveSrcRect) {
  const CopyArea a = ToDevice(
      ClipInclusiveCopy(inclusiveSrcRect, dstPoint, {picture.width(), picture.height()}, {dst.width(), dst.height()}),
      dst.scale());
  if (a.IsEmpty()) return;
  const SourceAtScale source(picture, dst.scale());
  const Bitmap& src = source.get();
  const Bgr keyColor(key);
  const Bgr fillColor(ci.FillColor);
  const CachePictureReader cache(updateCorners ? ci : EmptyCI());
  // Key pixels over the cache picture itself already show the parent.
  const bool fromCache = cache.Attached() && ci.Bmp != &dst;
  const bool fill = !ci.Ready;
  KeyTreatment keys = KeysOf(fromCache ? KeyRule::FromParent : fill ? KeyRule::Fill : KeyRule::Keep, keyColor);
  fillColor.StoreTo(keys.Fill);
  keys.Parent = &cache;
  const VectorSteps steps = StepsFor(dst, src);
  const int sb = src.bytesPerPixel();
  const int db = dst.bytesPerPixel();
  for (int y = 0; y < a.Height; ++y) {
    const int dy = a.DstY + y;
    const std::uint8_t* sp = src.row(a.SrcY + y) + a.SrcX * sb;
    std::uint8_t* dp = dst.row(dy) + a.DstX * db;
    const int done = LeadingPixelsInSteps(dp, sp, a.Width, a.DstX, dy, keys, steps);
    sp += done * sb;
    dp += done * db;
    for (int i = done; i < a.Width; ++i, sp += sb, dp += db) {
      if (!keyColor.Matches(sp)) {
        CopyPixel24(dp, sp);
      } else if (fromCache) {
        if (const std::uint8_t* under = cache.At(a.DstX + i, dy)) CopyPixel24(dp, under);
      } else if (fill) {
        fillColor.StoreTo(dp);
      }
    }
  }
}

void CopyTransRect(Bitmap& dst, const Bitmap& picture, TPoint dstPoint, TColor key, const TRect& inclusiveSrcRect) {
  const CopyArea a = ToDevice(
      ClipInclusiveCopy(inclusiveSrcRect, dstPoint, {picture.width(), picture.height()}, {dst.width(), dst.height()}),
      dst.scale());
  if (a.IsEmpty()) return;
  const SourceAtScale source(picture, dst.scale());
  const Bitmap& src = source.get();
  const Bgr keyColor(key);
  const KeyTreatment keys = KeysOf(KeyRule::Keep, keyColor);
  const VectorSteps steps = StepsFor(dst, src);
  const int sb = src.bytesPerPixel();
  const int db = dst.bytesPerPixel();
  for (int y = 0; y < a.Height; ++y) {
    const std::uint8_t* sp = src.row(a.SrcY + y) + a.SrcX * sb;
    std::uint8_t* dp = dst.row(a.DstY + y) + a.DstX * db;
    const int done = LeadingPixelsInSteps(dp, sp, a.Width, a.DstX, a.DstY + y, keys, steps);
    sp += done * sb;
    dp += done * db;
    for (int i = done; i < a.Width; ++i, sp += sb, dp += db)
      if (!keyColor.Matches(sp)) CopyPixel24(dp, sp);
  }
}
