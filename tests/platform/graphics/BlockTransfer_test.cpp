#include "platform/graphics/BlockTransfer.h"

#include <gtest/gtest.h>

#include <cstring>

#include "PixelProbe.h"
#include "platform/graphics/Fills.h"

namespace {

// A bitmap whose every pixel has a distinct colour.
Bitmap Numbered(int width, int height, PixelFormat format = PixelFormat::Bgr24) {
  Bitmap bmp(width, height, format);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bmp.setPixel(x, y, RGB(x * 20, y * 20, 100 + x + y));
  return bmp;
}

}  // namespace

TEST(BitBlt, CopiesThroughOriginsAndTheDestinationClip) {
  const Bitmap src = Numbered(4, 4);
  Bitmap srcCopy = src;
  DeviceContext from(srcCopy);
  Bitmap dst(6, 6);
  DeviceContext to(dst);
  SetViewportOrgEx(&from, -1, -1);  // logical (1,1) is source pixel (0,0)
  IntersectClipRect(&to, 0, 0, 6, 3);
  ASSERT_TRUE(BitBlt(&to, 2, 1, 4, 4, &from, 1, 1, SRCCOPY));
  EXPECT_EQ(dst.pixel(2, 1), src.pixel(0, 0));
  EXPECT_EQ(dst.pixel(5, 2), src.pixel(3, 1));
  EXPECT_EQ(dst.pixel(2, 3), clBlack);  // clipped
  EXPECT_EQ(dst.pixel(1, 1), clBlack);
}

TEST(BitBlt, OnlyTheSourceInsideItsBitmapIsCopied) {
  Bitmap src = Numbered(3, 3);
  DeviceContext from(src);
  Bitmap dst(5, 5);
  dst.fill(clWhite);
  DeviceContext to(dst);
  ASSERT_TRUE(BitBlt(&to, 0, 0, 5, 5, &from, -1, -1, SRCCOPY));
  EXPECT_EQ(dst.pixel(0, 0), clWhite);  // source pixel (-1,-1) does not exist
  EXPECT_EQ(dst.pixel(1, 1), src.pixel(0, 0));
  EXPECT_EQ(dst.pixel(3, 3), src.pixel(2, 2));
  EXPECT_EQ(dst.pixel(4, 4), clWhite);
  EXPECT_FALSE(BitBlt(&to, 0, 0, 0, 5, &from, 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(&to, 0, 0, 5, 5, nullptr, 0, 0, SRCCOPY));
}

TEST(BitBlt, ExclusiveOrTwiceRestoresAndOtherOperationsCombineBits) {
  const Bitmap original = Numbered(4, 3);
  Bitmap dst = original;
  Bitmap src = Numbered(4, 3);
  src.fill(RGB(0x0F, 0xF0, 0x55));
  DeviceContext to(dst), from(src);
  BitBlt(&to, 0, 0, 4, 3, &from, 0, 0, SRCINVERT);
  EXPECT_NE(dst, original);
  EXPECT_EQ(dst.pixel(1, 1), original.pixel(1, 1) ^ RGB(0x0F, 0xF0, 0x55));
  BitBlt(&to, 0, 0, 4, 3, &from, 0, 0, SRCINVERT);
  EXPECT_EQ(dst, original);

  dst.fill(RGB(0x33, 0x33, 0x33));
  BitBlt(&to, 0, 0, 1, 1, &from, 0, 0, SRCAND);
  EXPECT_EQ(dst.pixel(0, 0), RGB(0x03, 0x30, 0x11));
  BitBlt(&to, 1, 0, 1, 1, &from, 0, 0, SRCPAINT);
  EXPECT_EQ(dst.pixel(1, 0), RGB(0x3F, 0xF3, 0x77));
  BitBlt(&to, 2, 0, 1, 1, &from, 0, 0, NOTSRCCOPY);
  EXPECT_EQ(dst.pixel(2, 0), RGB(0xF0, 0x0F, 0xAA));
  BitBlt(&to, 3, 0, 1, 1, nullptr, 0, 0, DSTINVERT);  // needs no source
  EXPECT_EQ(dst.pixel(3, 0), RGB(0xCC, 0xCC, 0xCC));
  SelectObject(&to, CreateSolidBrush(clRed));
  EXPECT_TRUE(PatBlt(&to, 0, 1, 2, 1, PATCOPY));
  EXPECT_EQ(dst.pixel(1, 1), clRed);
  EXPECT_TRUE(PatBlt(&to, 0, 2, 1, 1, WHITENESS));
  EXPECT_EQ(dst.pixel(0, 2), clWhite);
  EXPECT_FALSE(PatBlt(&to, 0, 0, 1, 1, SRCCOPY));  // needs a source
}

TEST(BitBlt, OverlappingCopyWithinOneBitmapUsesTheOriginalPixels) {
  Bitmap bmp = Numbered(6, 1);
  const Bitmap before = bmp;
  DeviceContext dc(bmp);
  BitBlt(&dc, 1, 0, 5, 1, &dc, 0, 0, SRCCOPY);
  for (int x = 1; x < 6; ++x) EXPECT_EQ(bmp.pixel(x, 0), before.pixel(x - 1, 0)) << x;
}

TEST(BitBlt, ThirtyTwoBitCopiesCarryTheFourthByte) {
  Bitmap src(2, 1, PixelFormat::Bgrx32);
  src.row(0)[3] = 200;
  Bitmap dst32(2, 1, PixelFormat::Bgrx32);
  Bitmap dst24(2, 1);
  DeviceContext from(src), to32(dst32), to24(dst24);
  BitBlt(&to32, 0, 0, 2, 1, &from, 0, 0, SRCCOPY);
  EXPECT_EQ(dst32.row(0)[3], 200);
  BitBlt(&to24, 0, 0, 2, 1, &from, 0, 0, SRCCOPY);
  EXPECT_EQ(dst24.pixel(0, 0), src.pixel(0, 0));

  // From 24 bits the colours arrive and the fourth byte is cleared.
  Bitmap colours(3, 1);
  colours.setPixel(0, 0, RGB(1, 2, 3));
  colours.setPixel(1, 0, RGB(250, 128, 7));
  Bitmap wide(3, 1, PixelFormat::Bgrx32);
  for (int x = 0; x < 3; ++x) wide.row(0)[4 * x + 3] = 77;
  DeviceContext narrowDc(colours), wideDc(wide);
  BitBlt(&wideDc, 1, 0, 2, 1, &narrowDc, 0, 0, SRCCOPY);
  EXPECT_EQ(wide.pixel(1, 0), RGB(1, 2, 3));
  EXPECT_EQ(wide.pixel(2, 0), RGB(250, 128, 7));
  EXPECT_EQ(wide.row(0)[7], 0);
  EXPECT_EQ(wide.row(0)[11], 0);
  EXPECT_EQ(wide.row(0)[3], 77);  // outside the copy
}

TEST(BitBlt, TwentyFourToThirtyTwoBitCopiesOfEveryWidthMoveEachPixelAndNothingElse) {
  // Widths around the vector steps (4 and 16 pixels a step, then the rest),
  // at offsets that leave the target row unaligned: every copied pixel
  // arrives with its fourth byte cleared, and the bytes on both sides keep
  // their marks.
  for (int width : {1, 3, 4, 5, 6, 15, 16, 17, 21, 31, 32, 33, 145}) {
    for (int left : {0, 1, 3}) {
      Bitmap src(width, 2);
      for (int y = 0; y < 2; ++y)
        for (int x = 0; x < width; ++x) src.setPixel(x, y, RGB((x * 7 + y) & 0xFF, (x * 13) & 0xFF, 255 - (x & 0xFF)));
      Bitmap dst(width + left + 2, 2, PixelFormat::Bgrx32);
      std::memset(dst.bits(), 0xA5, dst.sizeInBytes());
      DeviceContext from(src), to(dst);
      BitBlt(&to, left, 0, width, 2, &from, 0, 0, SRCCOPY);
      for (int y = 0; y < 2; ++y) {
        const std::uint8_t* row = dst.row(y);
        for (int x = 0; x < dst.width(); ++x) {
          const bool copied = x >= left && x < left + width;
          const std::uint8_t* px = row + 4 * x;
          if (!copied) {
            ASSERT_EQ(px[0] & px[1] & px[2] & px[3], 0xA5) << width << " at " << left << ": " << x << "," << y;
            continue;
          }
          ASSERT_EQ(dst.pixel(x, y), src.pixel(x - left, y)) << width << " at " << left << ": " << x << "," << y;
          ASSERT_EQ(px[3], 0) << width << " at " << left << ": " << x << "," << y;
        }
      }
    }
  }
}

TEST(StretchBlt, HalftoneAveragesEverySourcePixel) {
  // A 4x2 checkerboard of black and white shrunk to 2x1 is mid grey.
  Bitmap src(4, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) src.setPixel(x, y, (x + y) % 2 ? clWhite : clBlack);
  Bitmap dst(2, 1);
  DeviceContext from(src), to(dst);
  SetStretchBltMode(&to, HALFTONE);
  ASSERT_TRUE(StretchBlt(&to, 0, 0, 2, 1, &from, 0, 0, 4, 2, SRCCOPY));
  EXPECT_EQ(dst.pixel(0, 0), RGB(128, 128, 128));
  EXPECT_EQ(dst.pixel(1, 0), RGB(128, 128, 128));

  // 3 -> 2: each target pixel takes one and a half source pixels.
  Bitmap row(3, 1);
  row.setPixel(0, 0, RGB(0, 0, 0));
  row.setPixel(1, 0, RGB(90, 90, 90));
  row.setPixel(2, 0, RGB(240, 240, 240));
  Bitmap out(2, 1);
  DeviceContext rowDc(row), outDc(out);
  SetStretchBltMode(&outDc, HALFTONE);
  StretchBlt(&outDc, 0, 0, 2, 1, &rowDc, 0, 0, 3, 1, SRCCOPY);
  EXPECT_EQ(out.pixel(0, 0), RGB(30, 30, 30));    // (0 * 1 + 90 * 0.5) / 1.5
  EXPECT_EQ(out.pixel(1, 0), RGB(190, 190, 190));  // (90 * 0.5 + 240 * 1) / 1.5

  // Enlarging by a whole factor repeats pixels.
  Bitmap big(6, 2);
  DeviceContext bigDc(big);
  SetStretchBltMode(&bigDc, HALFTONE);
  StretchBlt(&bigDc, 0, 0, 6, 2, &rowDc, 0, 0, 3, 1, SRCCOPY);
  EXPECT_EQ(big.pixel(2, 1), RGB(90, 90, 90));
  EXPECT_EQ(big.pixel(3, 0), RGB(90, 90, 90));
  EXPECT_EQ(big.pixel(5, 1), RGB(240, 240, 240));
}

TEST(StretchBlt, NearestPixelModeAndClipping) {
  const Bitmap src = Numbered(2, 2);
  Bitmap srcCopy = src;
  Bitmap dst(4, 4);
  DeviceContext from(srcCopy), to(dst);
  IntersectClipRect(&to, 0, 0, 4, 2);
  ASSERT_TRUE(StretchBlt(&to, 0, 0, 4, 4, &from, 0, 0, 2, 2, SRCCOPY));
  EXPECT_EQ(dst.pixel(0, 0), src.pixel(0, 0));
  EXPECT_EQ(dst.pixel(1, 1), src.pixel(0, 0));
  EXPECT_EQ(dst.pixel(3, 1), src.pixel(1, 0));
  EXPECT_EQ(dst.pixel(3, 3), clBlack);  // clipped
  EXPECT_FALSE(StretchBlt(&to, 0, 0, 4, 4, &from, 5, 5, 2, 2, SRCCOPY));  // source outside its bitmap
  EXPECT_FALSE(StretchBlt(&to, 0, 0, -4, 4, &from, 0, 0, 2, 2, SRCCOPY));
}

TEST(TransparentBlt, SkipsTheKeyColour) {
  Bitmap src(2, 1);
  src.setPixel(0, 0, clFuchsia);
  src.setPixel(1, 0, clLime);
  Bitmap dst(4, 1);
  dst.fill(clWhite);
  DeviceContext from(src), to(dst);
  ASSERT_TRUE(TransparentBlt(&to, 0, 0, 4, 1, &from, 0, 0, 2, 1, clFuchsia));
  EXPECT_EQ(Picture(dst, clWhite), "##..\n");
  EXPECT_EQ(dst.pixel(3, 0), clLime);
}

TEST(AlphaBlend, ConstantAndPerPixelOpacity) {
  Bitmap src(2, 1, PixelFormat::Bgrx32);
  src.fill(RGB(200, 100, 0));
  Bitmap dst(2, 1);
  dst.fill(RGB(0, 100, 200));
  DeviceContext from(src), to(dst);
  BLENDFUNCTION half;
  half.SourceConstantAlpha = 128;
  ASSERT_TRUE(AlphaBlend(&to, 0, 0, 1, 1, &from, 0, 0, 1, 1, half));
  EXPECT_EQ(dst.pixel(0, 0), RGB(100, 100, 100));

  // Premultiplied per-pixel alpha: a transparent pixel (all zero) leaves
  // the destination, an opaque one replaces it.
  src.row(0)[0] = src.row(0)[1] = src.row(0)[2] = src.row(0)[3] = 0;
  src.row(0)[7] = 255;
  dst.fill(RGB(0, 100, 200));
  BLENDFUNCTION perPixel;
  perPixel.AlphaFormat = AC_SRC_ALPHA;
  AlphaBlend(&to, 0, 0, 2, 1, &from, 0, 0, 2, 1, perPixel);
  EXPECT_EQ(dst.pixel(0, 0), RGB(0, 100, 200));
  EXPECT_EQ(dst.pixel(1, 0), RGB(200, 100, 0));
}

TEST(BitBlt, TwentyFourBitRowsOfEveryWidthArriveWholeOnAThirtyTwoBitScreen) {
  // The wide copy moves several pixels at once: every width from a single
  // pixel past a few blocks, at an odd start column, must land exactly, with
  // the fourth bytes cleared and nothing written beside the rectangle.
  for (int width = 1; width <= 40; ++width) {
    const Bitmap src = Numbered(width + 3, 2);
    Bitmap srcCopy = src;
    Bitmap screen(width + 6, 2, PixelFormat::Bgrx32);
    for (int y = 0; y < 2; ++y)
      for (int b = 0; b < screen.width() * 4; ++b) screen.row(y)[b] = 0xAB;
    DeviceContext from(srcCopy), to(screen);
    ASSERT_TRUE(BitBlt(&to, 1, 0, width, 2, &from, 3, 0, SRCCOPY));
    for (int y = 0; y < 2; ++y) {
      EXPECT_EQ(screen.row(y)[3], 0xAB) << width;
      for (int x = 0; x < width; ++x) {
        ASSERT_EQ(screen.pixel(1 + x, y), src.pixel(3 + x, y)) << width << ": " << x << "," << y;
        ASSERT_EQ(screen.row(y)[4 * (1 + x) + 3], 0) << width;
      }
      EXPECT_EQ(screen.row(y)[4 * (1 + width)], 0xAB) << width << ": the pixel after the copy";
    }
  }
}
