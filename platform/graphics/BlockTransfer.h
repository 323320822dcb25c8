#pragma once
// Block copies between drawing contexts: BitBlt with raster operations,
// StretchBlt (nearest pixel or halftone averaging), PatBlt with the brush,
// and the key-colour and alpha copies of msimg32.
//
// Source rectangles are in the source context's logical coordinates and are
// limited to its bitmap (the source's clip does not matter); everything is
// drawn through the destination's clip. Source and destination may be the
// same bitmap.
#include <cstdint>

#include "platform/graphics/DeviceContext.h"

// Raster operations: the classic ternary codes. Any of the 256 codes works;
// these are the named ones.
enum RasterOp : std::uint32_t {
  SRCCOPY = 0x00CC0020,
  SRCPAINT = 0x00EE0086,
  SRCAND = 0x008800C6,
  SRCINVERT = 0x00660046,
  SRCERASE = 0x00440328,
  NOTSRCCOPY = 0x00330008,
  NOTSRCERASE = 0x001100A6,
  MERGECOPY = 0x00C000CA,
  MERGEPAINT = 0x00BB0226,
  PATCOPY = 0x00F00021,
  PATPAINT = 0x00FB0A09,
  PATINVERT = 0x005A0049,
  DSTINVERT = 0x00550009,
  BLACKNESS = 0x00000042,
  WHITENESS = 0x00FF0062,
};

bool BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, std::uint32_t rop);
// Scales the source rectangle onto the destination rectangle in the
// destination's stretch mode (SetStretchBltMode). Sizes must be positive.
bool StretchBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                int srcHeight, std::uint32_t rop);
// Operations that need no source (PATCOPY, PATINVERT, DSTINVERT, BLACKNESS,
// WHITENESS) over a rectangle, with the selected brush as pattern.
bool PatBlt(HDC dest, int x, int y, int width, int height, std::uint32_t rop);

// Copies (scaling like StretchBlt in COLORONCOLOR mode) every source pixel
// whose colour is not the key colour.
bool TransparentBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                    int srcHeight, TColor keyColor);

// AlphaBlend: the source blended over the destination with a constant
// opacity (0..255) and, with AC_SRC_ALPHA, the source's per-pixel alpha
// (fourth byte of a 32-bit source, premultiplied as on the classic desktop).
constexpr std::uint8_t AC_SRC_OVER = 0x00;
constexpr std::uint8_t AC_SRC_ALPHA = 0x01;
struct BLENDFUNCTION {
  std::uint8_t BlendOp = AC_SRC_OVER;
  std::uint8_t BlendFlags = 0;
  std::uint8_t SourceConstantAlpha = 255;
  std::uint8_t AlphaFormat = 0;
};
bool AlphaBlend(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                int srcHeight, BLENDFUNCTION blend);

// A 32-bit picture with straight (not premultiplied) alpha, such as an icon,
// scaled into `square` and blended over what is there.
void AlphaBlendStraight(HDC dest, const Bitmap& picture, const TRect& square);
