#pragma once
// Row loops shared by the drawing primitives. Callers pass rectangles that
// are already clipped to the bitmap; nothing here checks bounds.
#include <cstdint>

#include "platform/Bitmap.h"
#include "platform/Geometry.h"

namespace RasterOps {

// Solid colour (already resolved to RGB). A 32-bit target gets 0 in the
// fourth byte.
void fill(Bitmap& target, const TRect& rect, TColor rgb);
// Inverts the colour bytes.
void invert(Bitmap& target, const TRect& rect);
// Inverts every other cell of the rectangle, cells being `cell` x `cell`
// pixels from the bitmap's origin: those where x / cell + y / cell is even.
void invertChecked(Bitmap& target, const TRect& rect, int cell = 1);
// Blends coverage (0..255, `coverageStride` bytes per row, starting at the
// rectangle's top-left pixel) in colour rgb over the target.
void blendCoverage(Bitmap& target, const TRect& rect, const std::uint8_t* coverage, int coverageStride, TColor rgb);

// Applies a ternary raster operation (the code's middle byte) with source
// pixels from `source` starting at (srcX, srcY) and a solid pattern colour.
// The source may be null for operations that do not read it; it must not
// overlap the target rectangle.
void rop(Bitmap& target, const TRect& rect, const Bitmap* source, int srcX, int srcY, std::uint8_t ropCode,
         TColor patternRgb);

// Whether a raster operation code reads the source / the pattern.
constexpr bool ropUsesSource(std::uint8_t code) { return ((code >> 2) & 0x33) != (code & 0x33); }
constexpr bool ropUsesPattern(std::uint8_t code) { return ((code >> 4) & 0x0F) != (code & 0x0F); }

}  // namespace RasterOps
