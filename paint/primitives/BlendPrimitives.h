#pragma once
// Mixing of colours and pictures into bitmaps: the arithmetic behind
// transparency, fades and disabled looks. All loops walk row pointers with
// integer arithmetic; real-valued weights are turned into small per-call
// tables first.
#include <cstdint>

#include "platform/Bitmap.h"
#include "platform/Geometry.h"

// Mixes the colour into the rectangle, which is INCLUSIVE here: Left and Top
// are raised to 0, Right and Bottom lowered to width-1 and height-1. Each
// channel v becomes rounded(f * v + (1 - f) * k) with f = percent / 100
// (percent above 100 counts as 100).
void BlendColorRect(Bitmap& bmp, const TRect& inclusiveRect, std::uint8_t percent, TColor color);

// Weighted copy of a 24-bit source rectangle onto a 24-bit destination at a
// point: each destination byte d becomes (d * weight + s * (255 - weight) +
// 127) >> 8. Both rectangles are clipped first; bitmaps under 2 by 2 are left
// alone.
void SumBitmapRect(Bitmap& dst, const Bitmap& src, std::uint8_t weight, TPoint dstPoint, const TRect& srcRect);

// The same over the whole picture; only when both bitmaps have the same size.
void SumBitmaps(Bitmap& dst, const Bitmap& src, std::uint8_t weight);

// A fade frame in one pass: `frame` becomes a copy of `old` with `fresh`
// weighted-copied onto it (whole) with the weight, byte for byte what the
// copy followed by SumBitmaps gives, without walking the picture twice.
// `frame` takes old's size; it must be a third bitmap.
void WeightedCopyInto(Bitmap& frame, const Bitmap& old, const Bitmap& fresh, std::uint8_t weight);

// Blends the INCLUSIVE source rectangle onto the destination at the point:
// each channel d becomes rounded(s - x * (s - d)). Source pixels equal to the
// key are left out, unless the key is 0xFF000000 or above (no key).
void BlendTransRect(Bitmap& dst, TPoint dstPoint, TColor key, double x, const TRect& inclusiveSrcRect, const Bitmap& src);

// Lays a 32-bit picture whose fourth byte is its alpha (255 opaque, not
// premultiplied) over the destination at the point: each channel d becomes
// (s * a + d * (255 - a) + 127) / 255. A 24-bit source is copied as it is.
// Clipped to the destination.
void AlphaBlendOnto(Bitmap& dst, TPoint dstPoint, const Bitmap& src);

// Fills the destination with the colour weighted per channel by the mask
// bitmap: p becomes (p * m + k * (256 - m)) >> 8. Only for equal sizes.
void FillColorByMask(Bitmap& dst, const Bitmap& mask, TColor color);

// target = ((r - s) * w + s * 256) >> 8 per channel, r from the first and s
// from the second picture, w one fixed weight. The target's fourth byte is
// left as it was. All three bitmaps must have the same size.
void MixPictures(const Bitmap& first, const Bitmap& second, std::uint8_t weight, Bitmap& target);
// The same with the weight taken per channel from a weight bitmap.
void MixPicturesByMask(const Bitmap& first, const Bitmap& second, const Bitmap& weights, Bitmap& target);
