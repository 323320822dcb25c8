#include "paint/primitives/BlendPrimitives.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "paint/PaintAccessors.h"
#include "paint/primitives/ColorBlendRows.h"
#include "paint/primitives/ColorMath.h"
#include "paint/primitives/CopyArea.h"
#include "paint/primitives/DeviceArea.h"
#include "paint/primitives/TacFastSum24.h"

namespace {

bool SameSize(const Bitmap& a, const Bitmap& b) {
  return !a.empty() && a.width() == b.width() && a.height() == b.height();
}

// Channel bytes of a colour in pixel order (blue, green, red).
void ChannelsOf(TColor color, int k[3]) {
  color = ColorToRGB(color);
  k[0] = GetBValue(color);
  k[1] = GetGValue(color);
  k[2] = GetRValue(color);
}

bool IsKeyPixel(const std::uint8_t* p, const int key[3]) { return p[0] == key[0] && p[1] == key[1] && p[2] == key[2]; }

// rounded(s - x * n) = s + Shift[n] (+1 when Tie and the sum is odd), for
// n = s - d in -255..255. Built once per call from the real weight.
struct BlendTable {
  std::int16_t Shift[511];
  bool Tie[511];

  explicit BlendTable(double x) {
    for (int n = -255; n <= 255; ++n) {
      const double t = -x * n;
      const double lower = std::floor(t);
      const double rest = t - lower;
      Shift[n + 255] = static_cast<std::int16_t>(lower + (rest > 0.5 ? 1 : 0));
      Tie[n + 255] = rest == 0.5;
    }
  }
  std::uint8_t Apply(int s, int d) const {
    const int n = s - d + 255;
    int r = s + Shift[n];
    if (Tie[n]) r += r & 1;
    return static_cast<std::uint8_t>(std::clamp(r, 0, 255));
  }
};

}  // namespace

void BlendColorRect(Bitmap& bmp, const TRect& inclusiveRect, std::uint8_t percent, TColor color) {
  if (bmp.empty()) return;
  const int n = bmp.scale();
  const int left = std::max(inclusiveRect.Left, 0) * n;
  const int top = std::max(inclusiveRect.Top, 0) * n;
  const int right = (std::min(inclusiveRect.Right, bmp.width() - 1) + 1) * n - 1;
  const int bottom = (std::min(inclusiveRect.Bottom, bmp.height() - 1) + 1) * n - 1;
  if (right < left || bottom < top) return;
  const int p = std::min<int>(percent, 100);
  int k[3];
  ChannelsOf(color, k);
  // The old value keeps p per cent: rounded((p * v + (100 - p) * k) / 100).
  std::uint8_t table[3][256];
  for (int c = 0; c < 3; ++c)
    for (int v = 0; v < 256; ++v) table[c][v] = static_cast<std::uint8_t>(DivRoundHalfEven(p * v + (100 - p) * k[c], 100));
  const int bpp = bmp.bytesPerPixel();
  // 24-bit rows take vector steps where the processor has them; the table
  // loop does what they leave.
  const VectorSteps steps = bpp == 3 ? ActiveVectorSteps() : VectorSteps::Plain;
  const ColorBlendTerms terms(p, k);
  for (int y = top; y <= bottom; ++y) {
    std::uint8_t* px = bmp.row(y) + left * bpp;
    const int done = BlendColorRowInSteps(px, right - left + 1, terms, steps);
    px += done * bpp;
    for (int x = left + done; x <= right; ++x, px += bpp) {
      px[0] = table[0][px[0]];
      px[1] = table[1][px[1]];
      px[2] = table[2][px[2]];
    }
  }
}

void SumBitmapRect(Bitmap& dst, const Bitmap& src, std::uint8_t weight, TPoint dstPoint, const TRect& srcRect) {
  const CopyArea a =
      ToDevice(ClipCopy(srcRect, dstPoint, {src.width(), src.height()}, {dst.width(), dst.height()}), dst.scale());
  if (a.IsEmpty()) return;
  const SourceAtScale source(src, dst.scale());
  TacFastSum24& sum = EngineAccessors().FastSum24;
  if (!sum.Attach(&source.get(), &dst)) return;
  sum.Alpha = weight;
  sum.DstX1 = a.DstX;
  sum.DstY1 = a.DstY;
  sum.DstX2 = a.DstX + a.Width;
  sum.DstY2 = a.DstY + a.Height;
  sum.SrcX1 = a.SrcX;
  sum.SrcY1 = a.SrcY;
  sum.SrcX2 = a.SrcX + a.Width;
  sum.SrcY2 = a.SrcY + a.Height;
  sum.BlendRect();
}

void SumBitmaps(Bitmap& dst, const Bitmap& src, std::uint8_t weight) {
  if (!SameSize(dst, src)) return;
  SumBitmapRect(dst, src, weight, Point(0, 0), Rect(0, 0, src.width(), src.height()));
}

void WeightedCopyInto(Bitmap& frame, const Bitmap& old, const Bitmap& fresh, std::uint8_t weight) {
  if (frame.width() != old.width() || frame.height() != old.height() || frame.format() != old.format() ||
      frame.scale() != old.scale())
    frame = Bitmap::AtScale(old.scale(), old.width(), old.height(), old.format());
  const SourceAtScale freshAtScale(fresh, old.scale());
  const Bitmap& freshAtOldScale = freshAtScale.get();
  const bool blends = SameSize(old, fresh) && old.width() >= 2 && old.height() >= 2 &&
                      old.format() == PixelFormat::Bgr24 && fresh.format() == PixelFormat::Bgr24;
  const auto rowBytes = static_cast<std::size_t>(old.deviceWidth()) * static_cast<std::size_t>(old.bytesPerPixel());
  if (blends && old.height() > 0 && frame.delta() == old.delta() && freshAtOldScale.delta() == old.delta()) {
    // Rows laid out alike: one run over the whole picture, the bytes that
    // pad the rows included, so no row ends in a short scalar tail.
    const int last = old.deviceHeight() - 1;
    auto first = [last](auto& bmp) { return bmp.delta() > 0 ? bmp.row(0) : bmp.row(last); };
    const std::size_t bytes = static_cast<std::size_t>(last) * static_cast<std::size_t>(std::abs(old.delta())) + rowBytes;
    WeightedRowInto(first(frame), first(old), first(freshAtOldScale), static_cast<int>(bytes), weight);
    return;
  }
  for (int y = 0; y < old.deviceHeight(); ++y) {
    if (blends) WeightedRowInto(frame.row(y), old.row(y), freshAtOldScale.row(y), static_cast<int>(rowBytes), weight);
    else std::memcpy(frame.row(y), old.row(y), rowBytes);
  }
}

void BlendTransRect(Bitmap& dst, TPoint dstPoint, TColor key, double x, const TRect& inclusiveSrcRect,
                    const Bitmap& picture) {
  const CopyArea a = ToDevice(
      ClipInclusiveCopy(inclusiveSrcRect, dstPoint, {picture.width(), picture.height()}, {dst.width(), dst.height()}),
      dst.scale());
  if (a.IsEmpty()) return;
  const SourceAtScale source(picture, dst.scale());
  const Bitmap& src = source.get();
  const bool noKey = key >= 0xFF000000u;
  int k[3];
  ChannelsOf(noKey ? 0 : key, k);
  const BlendTable table(x);
  const int sb = src.bytesPerPixel();
  const int db = dst.bytesPerPixel();
  for (int y = 0; y < a.Height; ++y) {
    const std::uint8_t* sp = src.row(a.SrcY + y) + a.SrcX * sb;
    std::uint8_t* dp = dst.row(a.DstY + y) + a.DstX * db;
    for (int i = 0; i < a.Width; ++i, sp += sb, dp += db) {
      if (!noKey && IsKeyPixel(sp, k)) continue;
      dp[0] = table.Apply(sp[0], dp[0]);
      dp[1] = table.Apply(sp[1], dp[1]);
      dp[2] = table.Apply(sp[2], dp[2]);
    }
  }
}

void AlphaBlendOnto(Bitmap& dst, TPoint dstPoint, const Bitmap& picture) {
  const CopyArea a = ToDevice(ClipCopy(Rect(0, 0, picture.width(), picture.height()), dstPoint,
                                       {picture.width(), picture.height()}, {dst.width(), dst.height()}),
                              dst.scale());
  if (a.IsEmpty()) return;
  const SourceAtScale source(picture, dst.scale());
  const Bitmap& src = source.get();
  const bool alpha = src.format() == PixelFormat::Bgrx32;
  const int sb = src.bytesPerPixel();
  const int db = dst.bytesPerPixel();
  for (int y = 0; y < a.Height; ++y) {
    const std::uint8_t* sp = src.row(a.SrcY + y) + a.SrcX * sb;
    std::uint8_t* dp = dst.row(a.DstY + y) + a.DstX * db;
    for (int i = 0; i < a.Width; ++i, sp += sb, dp += db) {
      const int w = alpha ? sp[3] : 255;
      for (int c = 0; c < 3; ++c) dp[c] = static_cast<std::uint8_t>((sp[c] * w + dp[c] * (255 - w) + 127) / 255);
    }
  }
}

void FillColorByMask(Bitmap& dst, const Bitmap& maskPicture, TColor color) {
  if (!SameSize(dst, maskPicture)) return;
  const SourceAtScale maskAtScale(maskPicture, dst.scale());
  const Bitmap& mask = maskAtScale.get();
  int k[3];
  ChannelsOf(color, k);
  const int db = dst.bytesPerPixel();
  const int mb = mask.bytesPerPixel();
  for (int y = 0; y < dst.deviceHeight(); ++y) {
    std::uint8_t* p = dst.row(y);
    const std::uint8_t* m = mask.row(y);
    for (int x = 0; x < dst.deviceWidth(); ++x, p += db, m += mb)
      for (int c = 0; c < 3; ++c) p[c] = static_cast<std::uint8_t>((p[c] * m[c] + k[c] * (256 - m[c])) >> 8);
  }
}

namespace {

// The three pictures are of one size; the weights come in device pixels of
// the target's scale.
template <typename WeightOf>
void MixRows(const Bitmap& firstPicture, const Bitmap& secondPicture, Bitmap& target, WeightOf weightOf) {
  const SourceAtScale firstAtScale(firstPicture, target.scale()), secondAtScale(secondPicture, target.scale());
  const Bitmap& first = firstAtScale.get();
  const Bitmap& second = secondAtScale.get();
  const int rb = first.bytesPerPixel(), sb = second.bytesPerPixel(), tb = target.bytesPerPixel();
  for (int y = 0; y < target.deviceHeight(); ++y) {
    const std::uint8_t* r = first.row(y);
    const std::uint8_t* s = second.row(y);
    std::uint8_t* t = target.row(y);
    for (int x = 0; x < target.deviceWidth(); ++x, r += rb, s += sb, t += tb)
      for (int c = 0; c < 3; ++c) {
        const int w = weightOf(y, x, c);
        t[c] = static_cast<std::uint8_t>(((r[c] - s[c]) * w + s[c] * 256) >> 8);
      }
  }
}

}  // namespace

void MixPictures(const Bitmap& first, const Bitmap& second, std::uint8_t weight, Bitmap& target) {
  if (!SameSize(first, second) || !SameSize(first, target)) return;
  MixRows(first, second, target, [weight](int, int, int) { return static_cast<int>(weight); });
}

void MixPicturesByMask(const Bitmap& first, const Bitmap& second, const Bitmap& weights, Bitmap& target) {
  if (!SameSize(first, second) || !SameSize(first, target) || !SameSize(first, weights)) return;
  const SourceAtScale weightsAtScale(weights, target.scale());
  const Bitmap& w = weightsAtScale.get();
  const int wb = w.bytesPerPixel();
  MixRows(first, second, target, [&w, wb](int y, int x, int c) { return static_cast<int>(w.row(y)[x * wb + c]); });
}
