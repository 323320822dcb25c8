#include "platform/graphics/BlockTransfer.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "platform/graphics/RasterOps.h"

namespace {

std::uint8_t ropCode(std::uint32_t rop) { return static_cast<std::uint8_t>((rop >> 16) & 0xFF); }

// A block of source pixels ready to be combined with the destination:
// either a window into the source bitmap or a scaled copy of it.
struct SourceBlock {
  const Bitmap* bitmap = nullptr;
  int x = 0;  // pixel of `bitmap` that lands on the destination rectangle's top-left
  int y = 0;
};

// Applies the raster operation for the destination rectangle (target
// pixels) through the destination's clip.
void combineThroughClip(DeviceContext& dest, const TRect& destRect, const SourceBlock& source, std::uint32_t rop) {
  Bitmap& target = dest.target();
  const TColor pattern = ColorToRGB(dest.state().brush.color);
  dest.clipInTarget().forEachRectIn(destRect, [&](const TRect& r) {
    RasterOps::rop(target, r, source.bitmap, source.x + (r.Left - destRect.Left), source.y + (r.Top - destRect.Top),
                   ropCode(rop), pattern);
  });
}

// Copies a rectangle of a bitmap's pixels (already inside it) into a new
// bitmap of the same format whose pixels are those pixels.
Bitmap copyBlock(const Bitmap& from, const TRect& r) {
  Bitmap block = Bitmap::AtScale(1, r.Width(), r.Height(), from.format());
  const int bpp = from.bytesPerPixel();
  for (int y = 0; y < r.Height(); ++y)
    std::memcpy(block.row(y), from.row(r.Top + y) + r.Left * bpp, static_cast<std::size_t>(r.Width()) * bpp);
  return block;
}

// For each destination position 0..count-1, the nearest source position
// (pixel centres mapped onto each other), clamped to 0..limit-1.
std::vector<int> nearestMap(int first, int count, int sourceStart, int sourceCount, int destCount, int limit) {
  std::vector<int> map(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const long long d = first + i;
    const long long s = sourceStart + ((2 * d + 1) * sourceCount) / (2LL * destCount);
    map[static_cast<std::size_t>(i)] = static_cast<int>(std::clamp<long long>(s, 0, limit - 1));
  }
  return map;
}

// Box-filter weights: destination pixel d covers source span
// [d * sourceCount, (d + 1) * sourceCount) in units where one source pixel is
// destCount wide; each source pixel weighs its overlap. Weights sum to
// sourceCount.
struct Taps {
  std::vector<int> firstSource;       // per destination pixel
  std::vector<int> offsets;           // per destination pixel, into weights
  std::vector<std::uint32_t> weights;
};

Taps boxTaps(int first, int count, int sourceCount, int destCount) {
  Taps taps;
  taps.firstSource.reserve(static_cast<std::size_t>(count));
  taps.offsets.reserve(static_cast<std::size_t>(count) + 1);
  for (int i = 0; i < count; ++i) {
    const long long d = first + i;
    const long long from = d * sourceCount, to = (d + 1) * sourceCount;
    const long long s0 = from / destCount, s1 = (to + destCount - 1) / destCount;
    taps.firstSource.push_back(static_cast<int>(s0));
    taps.offsets.push_back(static_cast<int>(taps.weights.size()));
    for (long long s = s0; s < s1; ++s) {
      const long long overlap = std::min(to, (s + 1) * destCount) - std::max(from, s * destCount);
      taps.weights.push_back(static_cast<std::uint32_t>(overlap));
    }
  }
  taps.offsets.push_back(static_cast<int>(taps.weights.size()));
  return taps;
}

// Scales the part `part` (relative to the destination rectangle of size
// destW x destH) of the source rectangle into a new bitmap of the
// destination's format. Everything here is in stored pixels; the block's
// pixels are the destination's.
Bitmap scaleBlock(const Bitmap& source, const TRect& srcRect, int destW, int destH, const TRect& part,
                  PixelFormat format, bool halftone) {
  Bitmap out = Bitmap::AtScale(1, part.Width(), part.Height(), format);
  const int sbpp = source.bytesPerPixel(), dbpp = out.bytesPerPixel();
  const int channels = sbpp == 4 && dbpp == 4 ? 4 : 3;
  const int srcW = srcRect.Width(), srcH = srcRect.Height();
  if (!halftone) {
    const std::vector<int> xs = nearestMap(part.Left, part.Width(), srcRect.Left, srcW, destW, source.deviceWidth());
    const std::vector<int> ys = nearestMap(part.Top, part.Height(), srcRect.Top, srcH, destH, source.deviceHeight());
    for (int y = 0; y < part.Height(); ++y) {
      const std::uint8_t* s = source.row(ys[static_cast<std::size_t>(y)]);
      std::uint8_t* d = out.row(y);
      for (int x = 0; x < part.Width(); ++x, d += dbpp)
        std::memcpy(d, s + xs[static_cast<std::size_t>(x)] * sbpp, static_cast<std::size_t>(channels));
    }
    return out;
  }

  // Halftone: horizontal box filter into 32-bit sums per source row, then
  // the vertical filter; divide once at the end.
  const Taps columns = boxTaps(part.Left, part.Width(), srcW, destW);
  const Taps rows = boxTaps(part.Top, part.Height(), srcH, destH);
  const int firstRow = rows.firstSource.front();
  const int lastRow = rows.firstSource.back() + (rows.offsets.back() - rows.offsets[rows.offsets.size() - 2]);
  const std::size_t rowValues = static_cast<std::size_t>(part.Width()) * channels;
  std::vector<std::uint32_t> sums(static_cast<std::size_t>(lastRow - firstRow) * rowValues);
  for (int r = firstRow; r < lastRow; ++r) {
    const std::uint8_t* s = source.row(std::clamp(srcRect.Top + r, 0, source.deviceHeight() - 1));
    std::uint32_t* h = sums.data() + static_cast<std::size_t>(r - firstRow) * rowValues;
    for (int x = 0; x < part.Width(); ++x) {
      const int begin = columns.offsets[static_cast<std::size_t>(x)], end = columns.offsets[static_cast<std::size_t>(x) + 1];
      std::uint32_t acc[4] = {0, 0, 0, 0};
      for (int k = begin; k < end; ++k) {
        const int sx = std::clamp(srcRect.Left + columns.firstSource[static_cast<std::size_t>(x)] + (k - begin), 0,
                                  source.deviceWidth() - 1);
        const std::uint8_t* p = s + sx * sbpp;
        const std::uint32_t w = columns.weights[static_cast<std::size_t>(k)];
        for (int c = 0; c < channels; ++c) acc[c] += w * p[c];
      }
      for (int c = 0; c < channels; ++c) h[x * channels + c] = acc[c];
    }
  }
  const std::uint64_t total = static_cast<std::uint64_t>(srcW) * static_cast<std::uint64_t>(srcH);
  for (int y = 0; y < part.Height(); ++y) {
    const int begin = rows.offsets[static_cast<std::size_t>(y)], end = rows.offsets[static_cast<std::size_t>(y) + 1];
    const int first = rows.firstSource[static_cast<std::size_t>(y)] - firstRow;
    std::uint8_t* d = out.row(y);
    for (int x = 0; x < part.Width(); ++x, d += dbpp) {
      for (int c = 0; c < channels; ++c) {
        std::uint64_t acc = 0;
        for (int k = begin; k < end; ++k)
          acc += static_cast<std::uint64_t>(rows.weights[static_cast<std::size_t>(k)]) *
                 sums[static_cast<std::size_t>(first + k - begin) * rowValues + static_cast<std::size_t>(x * channels + c)];
        d[c] = static_cast<std::uint8_t>((acc + total / 2) / total);
      }
    }
  }
  return out;
}

// The destination rectangle in target pixels and the part of it the clip
// lets through; false when nothing is drawn.
bool visiblePart(DeviceContext& dest, const TRect& destRect, TRect& part) {
  part = Intersect(destRect, dest.clipInTarget().box());
  if (part.IsEmpty()) return false;
  part = part.Offset(-destRect.Left, -destRect.Top);
  return true;
}

// The set-up the scaling transfers share: the source rectangle in its
// bitmap, the destination rectangle in target pixels and the part of it the
// clip lets through (relative to the destination rectangle).
struct ScaledTransfer {
  const Bitmap* source = nullptr;
  TRect srcRect;
  TRect destRect;
  TRect part;
  bool visible = false;
};

// Nothing for bad sizes or a source rectangle wholly outside its bitmap:
// pixels beyond the bitmap repeat its edge, but such a rectangle has
// nothing to show.
std::optional<ScaledTransfer> scaledTransfer(HDC dest, int x, int y, int width, int height, HDC src, int srcX,
                                             int srcY, int srcWidth, int srcHeight) {
  if (!dest || !src || width <= 0 || height <= 0 || srcWidth <= 0 || srcHeight <= 0) return std::nullopt;
  ScaledTransfer t;
  t.source = &src->target();
  t.srcRect = src->toTarget(TRect{srcX, srcY, srcX + srcWidth, srcY + srcHeight});
  if (Intersect(t.srcRect, TRect{0, 0, t.source->deviceWidth(), t.source->deviceHeight()}).IsEmpty()) return std::nullopt;
  t.destRect = dest->toTarget(TRect{x, y, x + width, y + height});
  t.visible = visiblePart(*dest, t.destRect, t.part);
  return t;
}

}  // namespace

namespace {

// A source at another scale than the destination: its pixels are enlarged
// or reduced to the destination's, nearest pixel.
bool transferAcrossScales(HDC dest, const TRect& destRect, HDC src, const TRect& srcRect, std::uint32_t rop) {
  const Bitmap& source = src->target();
  if (Intersect(srcRect, TRect{0, 0, source.deviceWidth(), source.deviceHeight()}).IsEmpty()) return true;
  TRect part;
  if (!visiblePart(*dest, destRect, part)) return true;
  const Bitmap scaled = scaleBlock(source, srcRect, destRect.Width(), destRect.Height(), part, dest->target().format(), false);
  combineThroughClip(*dest, part.Offset(destRect.Left, destRect.Top), SourceBlock{&scaled, 0, 0}, rop);
  return true;
}

}  // namespace

bool BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, std::uint32_t rop) {
  if (!dest || width <= 0 || height <= 0) return false;
  const std::uint8_t code = ropCode(rop);
  TRect destRect = dest->toTarget(TRect{x, y, x + width, y + height});
  if (!RasterOps::ropUsesSource(code)) {
    combineThroughClip(*dest, destRect, SourceBlock{}, rop);
    return true;
  }
  if (!src) return false;
  const Bitmap& source = src->target();
  // Only the part of the source inside its bitmap is copied.
  const TRect wanted = src->toTarget(TRect{srcX, srcY, srcX + width, srcY + height});
  if (source.scale() != dest->scale()) return transferAcrossScales(dest, destRect, src, wanted, rop);
  const TRect srcRect = Intersect(wanted, TRect{0, 0, source.deviceWidth(), source.deviceHeight()});
  if (srcRect.IsEmpty()) return true;
  destRect = TRect{destRect.Left + srcRect.Left - wanted.Left, destRect.Top + srcRect.Top - wanted.Top, 0, 0};
  destRect.Right = destRect.Left + srcRect.Width();
  destRect.Bottom = destRect.Top + srcRect.Height();

  // Copying within one bitmap goes through a copy of the source block.
  if (&source == &dest->target()) {
    const Bitmap block = copyBlock(source, srcRect);
    combineThroughClip(*dest, destRect, SourceBlock{&block, 0, 0}, rop);
  } else {
    combineThroughClip(*dest, destRect, SourceBlock{&source, srcRect.Left, srcRect.Top}, rop);
  }
  return true;
}

bool StretchBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                int srcHeight, std::uint32_t rop) {
  if (!dest || !src || width <= 0 || height <= 0 || srcWidth <= 0 || srcHeight <= 0) return false;
  if (width == srcWidth && height == srcHeight) return BitBlt(dest, x, y, width, height, src, srcX, srcY, rop);
  const auto t = scaledTransfer(dest, x, y, width, height, src, srcX, srcY, srcWidth, srcHeight);
  if (!t) return false;
  if (!t->visible) return true;
  const Bitmap scaled = scaleBlock(*t->source, t->srcRect, t->destRect.Width(), t->destRect.Height(), t->part,
                                   dest->target().format(), dest->state().stretchMode == HALFTONE);
  combineThroughClip(*dest, t->part.Offset(t->destRect.Left, t->destRect.Top), SourceBlock{&scaled, 0, 0}, rop);
  return true;
}

bool PatBlt(HDC dest, int x, int y, int width, int height, std::uint32_t rop) {
  if (!dest || width <= 0 || height <= 0 || RasterOps::ropUsesSource(ropCode(rop))) return false;
  combineThroughClip(*dest, dest->toTarget(TRect{x, y, x + width, y + height}), SourceBlock{}, rop);
  return true;
}

bool TransparentBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                    int srcHeight, TColor keyColor) {
  const auto t = scaledTransfer(dest, x, y, width, height, src, srcX, srcY, srcWidth, srcHeight);
  if (!t) return false;
  if (!t->visible) return true;
  const Bitmap& source = *t->source;
  const TRect& srcRect = t->srcRect;
  const TRect& destRect = t->destRect;
  const TColor key = ColorToRGB(keyColor);
  const std::uint8_t kb = static_cast<std::uint8_t>(GetBValue(key)), kg = static_cast<std::uint8_t>(GetGValue(key)),
                     kr = static_cast<std::uint8_t>(GetRValue(key));
  const std::vector<int> xs =
      nearestMap(0, destRect.Width(), srcRect.Left, srcRect.Width(), destRect.Width(), source.deviceWidth());
  const std::vector<int> ys =
      nearestMap(0, destRect.Height(), srcRect.Top, srcRect.Height(), destRect.Height(), source.deviceHeight());
  Bitmap& target = dest->target();
  const int sbpp = source.bytesPerPixel(), dbpp = target.bytesPerPixel();
  dest->clipInTarget().forEachRectIn(destRect, [&](const TRect& r) {
    for (int ty = r.Top; ty < r.Bottom; ++ty) {
      const std::uint8_t* s = source.row(ys[static_cast<std::size_t>(ty - destRect.Top)]);
      std::uint8_t* d = target.row(ty) + r.Left * dbpp;
      for (int tx = r.Left; tx < r.Right; ++tx, d += dbpp) {
        const std::uint8_t* p = s + xs[static_cast<std::size_t>(tx - destRect.Left)] * sbpp;
        if (p[0] == kb && p[1] == kg && p[2] == kr) continue;
        d[0] = p[0];
        d[1] = p[1];
        d[2] = p[2];
        if (dbpp == 4) d[3] = sbpp == 4 ? p[3] : 0;
      }
    }
  });
  return true;
}

bool AlphaBlend(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                int srcHeight, BLENDFUNCTION blend) {
  const auto t = scaledTransfer(dest, x, y, width, height, src, srcX, srcY, srcWidth, srcHeight);
  if (!t) return false;
  if (!t->visible) return true;
  const bool perPixel = (blend.AlphaFormat & AC_SRC_ALPHA) && t->source->bytesPerPixel() == 4;
  // Scale (nearest) into a 32-bit block so the source alpha comes along.
  const Bitmap block =
      scaleBlock(*t->source, t->srcRect, t->destRect.Width(), t->destRect.Height(), t->part, PixelFormat::Bgrx32, false);
  const int constant = blend.SourceConstantAlpha;
  Bitmap& target = dest->target();
  const int dbpp = target.bytesPerPixel();
  const TRect visible = t->part.Offset(t->destRect.Left, t->destRect.Top);
  dest->clipInTarget().forEachRectIn(visible, [&](const TRect& r) {
    for (int ty = r.Top; ty < r.Bottom; ++ty) {
      const std::uint8_t* s = block.row(ty - visible.Top) + (r.Left - visible.Left) * 4;
      std::uint8_t* d = target.row(ty) + r.Left * dbpp;
      for (int tx = r.Left; tx < r.Right; ++tx, s += 4, d += dbpp) {
        // Premultiplied source: result = src * constant + dst * (1 - alpha * constant).
        const int alpha = perPixel ? s[3] * constant / 255 : constant;
        for (int c = 0; c < 3; ++c) {
          const int value = (s[c] * constant + 127) / 255 + (d[c] * (255 - alpha) + 127) / 255;
          d[c] = static_cast<std::uint8_t>(std::min(value, 255));
        }
        if (dbpp == 4) d[3] = static_cast<std::uint8_t>(std::min(alpha + (d[3] * (255 - alpha) + 127) / 255, 255));
      }
    }
  });
  return true;
}

void AlphaBlendStraight(HDC dest, const Bitmap& picture, const TRect& square) {
  Bitmap premultiplied = Bitmap::AtScale(picture.scale(), picture.width(), picture.height(), PixelFormat::Bgrx32);
  for (int y = 0; y < picture.deviceHeight(); ++y) {
    const std::uint8_t* src = picture.row(y);
    std::uint8_t* dst = premultiplied.row(y);
    for (int x = 0; x < picture.deviceWidth(); ++x, src += 4, dst += 4) {
      const int a = src[3];
      dst[0] = static_cast<std::uint8_t>(src[0] * a / 255);
      dst[1] = static_cast<std::uint8_t>(src[1] * a / 255);
      dst[2] = static_cast<std::uint8_t>(src[2] * a / 255);
      dst[3] = static_cast<std::uint8_t>(a);
    }
  }
  DeviceContext source(premultiplied);
  BLENDFUNCTION blend;
  blend.AlphaFormat = AC_SRC_ALPHA;
  AlphaBlend(dest, square.Left, square.Top, square.Width(), square.Height(), &source, 0, 0, picture.width(),
             picture.height(), blend);
}
