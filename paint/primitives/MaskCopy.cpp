#include "paint/primitives/MaskCopy.h"

#include <algorithm>
#include <cstdint>

#include "paint/CachePictureReader.h"
#include "paint/primitives/ColorMath.h"
#include "paint/primitives/CopyArea.h"
#include "paint/primitives/DeviceArea.h"
#include "paint/primitives/KeyColorCopy.h"
#include "paint/primitives/KeyedRows.h"

namespace {

constexpr std::uint8_t kKeyB = GetBValue(clKeyColor), kKeyG = GetGValue(clKeyColor), kKeyR = GetRValue(clKeyColor);
constexpr std::uint8_t kKeyBgr[3] = {kKeyB, kKeyG, kKeyR};

bool IsKey(const std::uint8_t* p) { return p[0] == kKeyB && p[1] == kKeyG && p[2] == kKeyR; }

std::uint8_t Through(int d, int s, int m) { return static_cast<std::uint8_t>((d * m + s * (256 - m)) >> 8); }

// Pixels handled together when a run holds no key pixel.
constexpr int kRun = 8;

bool HasKey(const std::uint8_t* s) {
  bool key = false;
  for (int k = 0; k < kRun; ++k) key |= IsKey(s + 3 * k);
  return key;
}

// Through() for a run of 24-bit pixels, in 16-bit arithmetic the compiler
// can vectorise: d * m + s * (256 - m) never exceeds 255 * 256.
void BlendRun(std::uint8_t* __restrict d, const std::uint8_t* __restrict s, const std::uint8_t* __restrict m) {
  for (int b = 0; b < 3 * kRun; ++b) {
    const std::uint16_t kept = static_cast<std::uint16_t>(d[b] * m[b]);
    const std::uint16_t taken = static_cast<std::uint16_t>(s[b] * (256 - m[b]));
    d[b] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(kept + taken) >> 8);
  }
}

// Clips a copy of w by h pixels whose mask lies maskOffset rows below the
// image, keeping the mask rows inside the source too.
CopyArea ClipMaskedCopy(TPoint srcTopLeft, TPoint dstTopLeft, int w, int h, int maskOffset, const Bitmap& src,
                        const Bitmap& dst) {
  CopyArea a = ClipCopy(Bounds(srcTopLeft.X, srcTopLeft.Y, w, h), dstTopLeft, {src.width(), src.height()},
                        {dst.width(), dst.height()});
  a.Height = std::min(a.Height, src.height() - maskOffset - a.SrcY);
  if (a.IsEmpty()) a.Width = a.Height = 0;
  return a;
}

}  // namespace

void CopyByMask(const TRect& dstRect, const TRect& srcRect, Bitmap& dst, const TsMaskData& mask, bool updateCorners,
                const TCacheInfo& ci, const Bitmap& picture) {
  const int logicalMaskOffset = mask.R.Height() / 2;
  const CopyArea clipped =
      ClipMaskedCopy(srcRect.TopLeft(), dstRect.TopLeft(), std::min(dstRect.Width(), srcRect.Width()),
                     std::min(dstRect.Height(), srcRect.Height()), logicalMaskOffset, picture, dst);
  if (clipped.IsEmpty() || logicalMaskOffset < 0) return;
  const CopyArea a = ToDevice(clipped, dst.scale());
  const int maskOffset = logicalMaskOffset * dst.scale();
  const SourceAtScale source(picture, dst.scale());
  const Bitmap& src = source.get();

  // A key pixel is blended like any other only under a Ready description
  // without updateCorners.
  const KeyRule rule = ci.Ready ? (updateCorners ? KeyRule::FromParent : KeyRule::Ordinary)
                                : (updateCorners ? KeyRule::Fill : KeyRule::Keep);
  const CachePictureReader cache(rule == KeyRule::FromParent ? ci : EmptyCI());
  const TColor fill = ColorToRGB(ci.FillColor);
  const std::uint8_t fillBgr[3] = {static_cast<std::uint8_t>(GetBValue(fill)), static_cast<std::uint8_t>(GetGValue(fill)),
                                   static_cast<std::uint8_t>(GetRValue(fill))};
  const int sb = src.bytesPerPixel();
  const int db = dst.bytesPerPixel();
  const bool packed = sb == 3 && db == 3;

  KeyTreatment keys;
  keys.Rule = rule;
  std::copy(kKeyBgr, kKeyBgr + 3, keys.Key);
  std::copy(fillBgr, fillBgr + 3, keys.Fill);
  keys.Parent = &cache;
  // A parent picture that is the destination itself is read pixel by pixel
  // as the plain loop writes it.
  const VectorSteps steps = packed && !(cache.Attached() && ci.Bmp == &dst) ? ActiveVectorSteps() : VectorSteps::Plain;
  for (int y = 0; y < a.Height; ++y) {
    const int dy = a.DstY + y;
    const std::uint8_t* sp = src.row(a.SrcY + y) + a.SrcX * sb;
    const std::uint8_t* mp = src.row(a.SrcY + y + maskOffset) + a.SrcX * sb;
    std::uint8_t* dp = dst.row(dy) + a.DstX * db;
    auto onePixel = [&](int i) {
      if (rule != KeyRule::Ordinary && IsKey(sp)) {
        if (rule == KeyRule::FromParent) {
          if (const std::uint8_t* under = cache.At(a.DstX + i, dy)) CopyPixel24(dp, under);
        } else if (rule == KeyRule::Fill) {
          CopyPixel24(dp, fillBgr);
        }
        return;
      }
      dp[0] = Through(dp[0], sp[0], mp[0]);
      dp[1] = Through(dp[1], sp[1], mp[1]);
      dp[2] = Through(dp[2], sp[2], mp[2]);
    };
    int i = 0;
    const bool separate = !RunsOverlap(dp, sp, a.Width * 3) && !RunsOverlap(dp, mp, a.Width * 3);
    if (separate && steps != VectorSteps::Plain) {
      KeyedRow row;
      row.Dst = dp;
      row.Src = sp;
      row.Mask = mp;
      row.Count = a.Width;
      row.DstX = a.DstX;
      row.DstY = dy;
      i = KeyedRowInSteps(row, keys, steps);
      sp += 3 * i;
      mp += 3 * i;
      dp += 3 * i;
    }
    // Runs without key pixels are blended a block at a time.
    if (packed && separate) {
      for (; i + kRun <= a.Width; i += kRun, sp += 3 * kRun, mp += 3 * kRun, dp += 3 * kRun) {
        if (rule == KeyRule::Ordinary || !HasKey(sp)) {
          BlendRun(dp, sp, mp);
        } else {
          for (int k = 0; k < kRun; ++k, sp += 3, mp += 3, dp += 3) onePixel(i + k);
          sp -= 3 * kRun;
          mp -= 3 * kRun;
          dp -= 3 * kRun;
        }
      }
    }
    for (; i < a.Width; ++i, sp += sb, mp += sb, dp += db) onePixel(i);
  }
}

void CopyGlyphByMask(const TRect& inclusiveDstRect, const TRect& inclusiveSrcRect, Bitmap& dst, const TsMaskData& mask,
                     int mode, const Bitmap& picture) {
  const int w = std::min(inclusiveDstRect.Width(), inclusiveSrcRect.Width()) + 1;
  const int h = std::min(inclusiveDstRect.Height(), inclusiveSrcRect.Height()) + 1;
  if (mask.MaskType <= 0) {
    const TRect piece = Bounds(inclusiveSrcRect.Left, inclusiveSrcRect.Top, w, h);
    CopyTransRect(dst, picture, inclusiveDstRect.TopLeft(), clKeyColor,
                  Rect(piece.Left, piece.Top, piece.Right - 1, piece.Bottom - 1));
    return;
  }
  const int logicalMaskOffset = mask.R.Height() / (mask.MaskType + 1);
  const CopyArea clipped =
      ClipMaskedCopy(inclusiveSrcRect.TopLeft(), inclusiveDstRect.TopLeft(), w, h, logicalMaskOffset, picture, dst);
  if (clipped.IsEmpty() || logicalMaskOffset < 0) return;
  const CopyArea a = ToDevice(clipped, dst.scale());
  const int maskOffset = logicalMaskOffset * dst.scale();
  const SourceAtScale source(picture, dst.scale());
  const Bitmap& src = source.get();
  // Disabled glyphs let 100 more of the destination through.
  const int raise = mode == 1 ? 0 : 100;
  const int sb = src.bytesPerPixel();
  const int db = dst.bytesPerPixel();
  for (int y = 0; y < a.Height; ++y) {
    const std::uint8_t* sp = src.row(a.SrcY + y) + a.SrcX * sb;
    const std::uint8_t* mp = src.row(a.SrcY + y + maskOffset) + a.SrcX * sb;
    std::uint8_t* dp = dst.row(a.DstY + y) + a.DstX * db;
    for (int i = 0; i < a.Width; ++i, sp += sb, mp += sb, dp += db) {
      if (IsKey(sp)) continue;
      for (int c = 0; c < 3; ++c) dp[c] = Through(dp[c], sp[c], std::min(mp[c] + raise, 255));
    }
  }
}
