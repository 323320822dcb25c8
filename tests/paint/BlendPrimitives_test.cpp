#include "paint/primitives/BlendPrimitives.h"

#include <gtest/gtest.h>

#include "PaintTestSupport.h"
#include "paint/primitives/FillPrimitives.h"

namespace {

// A 256 by 2 bitmap whose column v holds grey value v.
Bitmap Ramp(bool bottomUp) {
  Bitmap bmp(256, 2, PixelFormat::Bgr24, bottomUp);
  for (int y = 0; y < 2; ++y)
    for (int v = 0; v < 256; ++v) bmp.setPixel(v, y, RGB(v, v, v));
  return bmp;
}

int CountChanged(const Bitmap& before, const Bitmap& after) {
  int n = 0;
  for (int y = 0; y < before.height(); ++y)
    for (int x = 0; x < before.width(); ++x) n += before.pixel(x, y) != after.pixel(x, y);
  return n;
}

}  // namespace

TEST(FillPrimitives, FillRectClipsAndBorderStripsLeaveTheCentre) {
  for (bool bottomUp : kBothOrders) {
    Bitmap bmp = Filled(6, 5, clBlack, bottomUp);
    FillBitmapRect(bmp, Rect(-3, 3, 2, 99), clBtnFace);
    EXPECT_EQ(bmp.pixel(1, 4), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(bmp.pixel(2, 4), clBlack);
    EXPECT_EQ(bmp.pixel(0, 2), clBlack);

    Bitmap frame = Filled(6, 5, clBlack, bottomUp);
    FillBorderStrips(frame, Rect(0, 0, 6, 5), 1, 2, 1, 1, clRed);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 6; ++x) {
        const bool border = y < 2 || x < 1 || x >= 5 || y >= 4;
        ASSERT_EQ(frame.pixel(x, y), border ? clRed : clBlack) << x << "," << y;
      }
  }
}

TEST(FillPrimitives, CopyRectConvertsBetweenFormatsAndClips) {
  Bitmap src = Filled(4, 4, clGreen);
  src.setPixel(0, 0, clRed);
  Bitmap dst = Filled(3, 3, clWhite, true, PixelFormat::Bgrx32);
  CopyBitmapRect(dst, Point(-1, 1), src, Rect(0, 0, 4, 4));
  EXPECT_EQ(dst.pixel(0, 0), clWhite);
  EXPECT_EQ(dst.pixel(0, 1), clGreen);  // source column 1
  EXPECT_EQ(dst.pixel(2, 2), clGreen);
}

TEST(BlendColorRect, EveryPercentRoundsLikeTheRealFormula) {
  for (bool bottomUp : kBothOrders)
    for (int k : {0, 1, 99, 128, 255})
      for (int p = 0; p <= 100; ++p) {
        Bitmap bmp = Ramp(bottomUp);
        BlendColorRect(bmp, Rect(0, 0, 255, 1), static_cast<std::uint8_t>(p), RGB(k, k, k));
        const double f = p / 100.0;
        for (int v = 0; v < 256; ++v)
          ASSERT_EQ(GetRValue(bmp.pixel(v, 1)), ReferenceRound(f * v + (1 - f) * k)) << "p=" << p << " k=" << k << " v=" << v;
      }
}

TEST(BlendColorRect, RectangleIsInclusiveAndEdgePercentsAreExact) {
  for (bool bottomUp : kBothOrders) {
    const Bitmap original = Ramp(bottomUp);
    Bitmap kept = original;
    BlendColorRect(kept, Rect(0, 0, 256, 2), 100, clRed);
    EXPECT_EQ(kept, original);
    Bitmap replaced = original;
    BlendColorRect(replaced, Rect(0, 0, 256, 2), 0, RGB(9, 8, 7));
    EXPECT_EQ(CountChanged(original, replaced), 256 * 2 - 0);
    EXPECT_EQ(replaced.pixel(200, 1), RGB(9, 8, 7));

    const Bitmap grey = Filled(20, 20, clGray, bottomUp);
    Bitmap part = grey;
    BlendColorRect(part, Rect(0, 0, 10, 10), 50, clWhite);
    EXPECT_EQ(CountChanged(grey, part), 11 * 11);
    EXPECT_NE(part.pixel(10, 10), clGray);
    EXPECT_EQ(part.pixel(11, 10), clGray);
    Bitmap whole = grey;
    BlendColorRect(whole, Rect(-5, -5, 20, 20), 50, clWhite);
    EXPECT_EQ(CountChanged(grey, whole), 400);
  }
  Bitmap sys = Filled(2, 2, clBlack);
  BlendColorRect(sys, Rect(0, 0, 1, 1), 0, clBtnFace);
  EXPECT_EQ(sys.pixel(1, 1), GetSysColor(COLOR_BTNFACE));
}

TEST(SumBitmapRect, DestinationKeepsTheWeightWithTheSpecifiedRounding) {
  for (bool bottomUp : kBothOrders) {
    Bitmap black = Filled(4, 4, clBlack, bottomUp);
    Bitmap white = Filled(4, 4, clWhite, !bottomUp);
    Bitmap dst = white;
    SumBitmapRect(dst, black, 255, Point(0, 0), Rect(0, 0, 4, 4));
    EXPECT_EQ(dst.pixel(3, 3), RGB(254, 254, 254));
    dst = black;
    SumBitmapRect(dst, white, 0, Point(0, 0), Rect(0, 0, 4, 4));
    EXPECT_EQ(dst.pixel(0, 0), RGB(254, 254, 254));
    // 50 per cent transparency: weight 127 over white keeps 127 of black.
    dst = white;
    SumBitmapRect(dst, black, 127, Point(0, 0), Rect(0, 0, 4, 4));
    EXPECT_EQ(dst.pixel(1, 1), RGB(127, 127, 127));
  }
  // Every destination value against every source value for a few weights.
  for (int weight : {0, 1, 64, 127, 200, 255}) {
    Bitmap dst(256, 256), src(256, 256, PixelFormat::Bgr24, true);
    for (int y = 0; y < 256; ++y)
      for (int x = 0; x < 256; ++x) {
        dst.setPixel(x, y, RGB(x, y, 0));
        src.setPixel(x, y, RGB(y, x, 255));
      }
    // 255 columns: rows of whole vector blocks plus a tail.
    SumBitmapRect(dst, src, static_cast<std::uint8_t>(weight), Point(0, 0), Rect(0, 0, 255, 256));
    for (int y = 0; y < 256; ++y) ASSERT_EQ(dst.pixel(255, y), RGB(255, y, 0));
    for (int y = 0; y < 256; ++y)
      for (int x = 0; x < 255; ++x) {
        const TColor p = dst.pixel(x, y);
        ASSERT_EQ(GetRValue(p), (x * weight + y * (255 - weight) + 127) >> 8);
        ASSERT_EQ(GetGValue(p), (y * weight + x * (255 - weight) + 127) >> 8);
        ASSERT_EQ(GetBValue(p), (255 * (255 - weight) + 127) >> 8);
      }
  }
}

TEST(SumBitmapRect, ClipsSourceAndDestinationAndReadsFromTheRectangle) {
  Bitmap src(6, 10);
  for (int y = 0; y < 10; ++y) FillBitmapRect(src, Rect(0, y, 6, y + 1), RGB(y * 10, 0, 0));
  Bitmap dst = Filled(6, 6, clBlack);
  SumBitmapRect(dst, src, 0, Point(0, 0), Rect(0, 5, 6, 10));
  EXPECT_EQ(GetRValue(dst.pixel(0, 0)), (50 * 255 + 127) >> 8);  // source row 5
  EXPECT_EQ(GetRValue(dst.pixel(0, 4)), (90 * 255 + 127) >> 8);  // source row 9
  EXPECT_EQ(dst.pixel(0, 5), clBlack);                           // nothing left to read

  // A negative point cuts the source start; a negative source start moves the point.
  Bitmap a = Filled(6, 6, clBlack);
  SumBitmapRect(a, src, 0, Point(-2, -3), Rect(0, 0, 6, 10));
  EXPECT_EQ(GetRValue(a.pixel(0, 0)), (30 * 255 + 127) >> 8);
  EXPECT_EQ(a.pixel(4, 0), clBlack);  // only 4 source columns remain
  Bitmap b = Filled(6, 6, clBlack);
  SumBitmapRect(b, src, 0, Point(0, 0), Rect(-1, -2, 3, 3));
  EXPECT_EQ(b.pixel(0, 1), clBlack);
  EXPECT_EQ(GetRValue(b.pixel(1, 2)), (0 * 255 + 127) >> 8);
  EXPECT_EQ(GetRValue(b.pixel(1, 4)), (20 * 255 + 127) >> 8);
  EXPECT_EQ(b.pixel(4, 2), clBlack);

  // Bitmaps under 2 by 2 are left alone.
  Bitmap thin = Filled(1, 6, clBlack);
  SumBitmapRect(thin, src, 0, Point(0, 0), Rect(0, 5, 6, 10));
  EXPECT_EQ(thin.pixel(0, 0), clBlack);
}

TEST(SumBitmapRect, OverlappingCopyInOneBitmapWalksBackward) {
  // Rows and bytes are taken from the last to the first, so a copy one pixel
  // to the right reads every source pixel before it is overwritten.
  Bitmap bmp(4, 2);
  for (int x = 0; x < 4; ++x) bmp.setPixel(x, 0, RGB(100 + 50 * x, 0, 0));
  SumBitmapRect(bmp, bmp, 0, Point(1, 0), Rect(0, 0, 3, 1));
  EXPECT_EQ(GetRValue(bmp.pixel(1, 0)), (100 * 255 + 127) >> 8);
  EXPECT_EQ(GetRValue(bmp.pixel(2, 0)), (150 * 255 + 127) >> 8);
  EXPECT_EQ(GetRValue(bmp.pixel(3, 0)), (200 * 255 + 127) >> 8);
}

TEST(SumBitmaps, OnlyForEqualSizes) {
  Bitmap dst = Filled(4, 4, clBlack);
  SumBitmaps(dst, Filled(4, 5, clWhite), 0);
  EXPECT_EQ(dst.pixel(0, 0), clBlack);
  SumBitmaps(dst, Filled(4, 4, clWhite, true), 0);
  EXPECT_EQ(dst.pixel(3, 3), RGB(254, 254, 254));
}

TEST(BlendTransRect, RoundsEveryPairLikeTheRealFormula) {
  for (double x : {0.4, 0.5, 0.3, 0.75, 0.1}) {
    Bitmap dst(256, 256), src(256, 256, PixelFormat::Bgr24, true);
    for (int y = 0; y < 256; ++y)
      for (int v = 0; v < 256; ++v) {
        dst.setPixel(v, y, RGB(v, y, 0));
        src.setPixel(v, y, RGB(y, v, 1));
      }
    BlendTransRect(dst, Point(0, 0), 0xFF000000u, x, Rect(0, 0, 255, 255), src);
    for (int y = 0; y < 256; ++y)
      for (int v = 0; v < 256; ++v) {
        const TColor p = dst.pixel(v, y);
        ASSERT_EQ(GetRValue(p), ReferenceRound(y - x * (y - v))) << x << " s=" << y << " d=" << v;
        ASSERT_EQ(GetGValue(p), ReferenceRound(v - x * (v - y)));
      }
  }
}

TEST(BlendTransRect, KeyPixelsAreLeftOutUnlessTheKeyIsASystemValue) {
  for (bool bottomUp : kBothOrders) {
    Bitmap src = Filled(3, 3, clWhite, bottomUp);
    src.setPixel(1, 1, clFuchsia);
    Bitmap dst = Filled(5, 5, clBlack, !bottomUp);
    BlendTransRect(dst, Point(1, 1), clFuchsia, 0.0, Rect(0, 0, 2, 2), src);  // inclusive: 3 by 3
    EXPECT_EQ(dst.pixel(2, 2), clBlack);
    EXPECT_EQ(dst.pixel(3, 3), clWhite);
    EXPECT_EQ(dst.pixel(4, 4), clBlack);
    BlendTransRect(dst, Point(1, 1), 0xFF000005u, 0.0, Rect(0, 0, 2, 2), src);
    EXPECT_EQ(dst.pixel(2, 2), clFuchsia);
  }
  // Clipping: a negative source left moves the point; the rectangle is cut to the source.
  Bitmap src = Filled(2, 2, clWhite);
  Bitmap dst = Filled(4, 4, clBlack);
  BlendTransRect(dst, Point(0, 0), 0xFF000000u, 0.0, Rect(-1, 0, 9, 9), src);
  EXPECT_EQ(dst.pixel(0, 0), clBlack);
  EXPECT_EQ(dst.pixel(1, 1), clWhite);
  EXPECT_EQ(dst.pixel(2, 0), clWhite);
  EXPECT_EQ(dst.pixel(3, 0), clBlack);
}

TEST(FillColorByMask, MaskChannelWeighsDestinationAgainstColour) {
  Bitmap dst(256, 1), mask(256, 1, PixelFormat::Bgr24, true);
  for (int m = 0; m < 256; ++m) {
    dst.setPixel(m, 0, RGB(200, 0, 255));
    mask.setPixel(m, 0, RGB(m, 255 - m, 0));
  }
  FillColorByMask(dst, mask, RGB(10, 255, 30));
  for (int m = 0; m < 256; ++m) {
    const TColor p = dst.pixel(m, 0);
    ASSERT_EQ(GetRValue(p), (200 * m + 10 * (256 - m)) >> 8);
    ASSERT_EQ(GetGValue(p), (0 * (255 - m) + 255 * (256 - (255 - m))) >> 8);
    ASSERT_EQ(GetBValue(p), (255 * 0 + 30 * 256) >> 8);
  }
  Bitmap other = Filled(3, 3, clWhite);
  FillColorByMask(other, Filled(3, 4, clBlack), clRed);
  EXPECT_EQ(other.pixel(0, 0), clWhite);
}

TEST(MixPictures, FixedWeightAndWeightBitmapKeepTheFourthByte) {
  Bitmap first = Filled(2, 2, RGB(200, 10, 0));
  Bitmap second = Filled(2, 2, RGB(100, 250, 255), true);
  Bitmap target(2, 2, PixelFormat::Bgrx32);
  target.row(1)[7] = 0x5A;
  MixPictures(first, second, 64, target);
  EXPECT_EQ(target.pixel(1, 1), RGB(((200 - 100) * 64 + 100 * 256) >> 8, ((10 - 250) * 64 + 250 * 256) >> 8,
                                    ((0 - 255) * 64 + 255 * 256) >> 8));
  EXPECT_EQ(target.row(1)[7], 0x5A);

  Bitmap weights = Filled(2, 2, RGB(255, 0, 128));
  MixPicturesByMask(first, second, weights, target);
  EXPECT_EQ(target.pixel(0, 0), RGB(((200 - 100) * 255 + 100 * 256) >> 8, 250, ((0 - 255) * 128 + 255 * 256) >> 8));

  Bitmap untouched(3, 2, PixelFormat::Bgrx32);
  MixPictures(first, second, 64, untouched);
  EXPECT_EQ(untouched.pixel(0, 0), clBlack);
}

TEST(WeightedCopyInto, GivesTheBytesOfACopyFollowedByTheWeightedCopy) {
  // Widths around the vector block sizes, both row orders, every weight
  // class: the one-pass frame must equal the two-step one byte for byte.
  for (int width : {2, 3, 10, 11, 32, 33, 145}) {
    for (bool bottomUp : kBothOrders) {
      Bitmap old(width, 3, PixelFormat::Bgr24, bottomUp), fresh(width, 3);
      for (int y = 0; y < 3; ++y)
        for (int x = 0; x < width; ++x) {
          old.setPixel(x, y, RGB((x * 37 + y) & 0xFF, (x * 11) & 0xFF, 255 - ((x + y) & 0xFF)));
          fresh.setPixel(x, y, RGB((x * 53) & 0xFF, (200 + y * 7) & 0xFF, (x * 3) & 0xFF));
        }
      for (int weight : {0, 1, 127, 128, 243, 254, 255}) {
        Bitmap expected = old;
        SumBitmaps(expected, fresh, static_cast<std::uint8_t>(weight));
        Bitmap frame(1, 1);
        WeightedCopyInto(frame, old, fresh, static_cast<std::uint8_t>(weight));
        ASSERT_EQ(frame.width(), width);
        for (int y = 0; y < 3; ++y)
          for (int x = 0; x < width; ++x)
            ASSERT_EQ(frame.pixel(x, y), expected.pixel(x, y)) << width << " w" << weight << " " << x << "," << y;
      }
    }
  }
}

TEST(WeightedCopyInto, PicturesStoredInDifferentRowOrdersBlendPixelByPixel) {
  // The old picture, the new one and the frame each top-down or bottom-up:
  // every pixel of the frame mixes the two pixels at its own place.
  constexpr int kWidth = 33, kHeight = 4;
  for (int orders = 0; orders < 8; ++orders) {
    const bool oldUp = orders & 1, freshUp = orders & 2, frameUp = orders & 4;
    Bitmap old(kWidth, kHeight, PixelFormat::Bgr24, oldUp), fresh(kWidth, kHeight, PixelFormat::Bgr24, freshUp);
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) {
        old.setPixel(x, y, RGB(60 * y, 7 * x, 200));
        fresh.setPixel(x, y, RGB(250 - 50 * y, 100, 3 * x));
      }
    Bitmap expected = old;
    SumBitmaps(expected, fresh, 100);
    Bitmap frame(kWidth, kHeight, PixelFormat::Bgr24, frameUp);
    WeightedCopyInto(frame, old, fresh, 100);
    ASSERT_EQ(frame.bottomUp(), frameUp) << "a frame of the right size keeps its storage";
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x)
        ASSERT_EQ(frame.pixel(x, y), expected.pixel(x, y)) << "orders " << orders << " at " << x << "," << y;
  }
}

TEST(WeightedCopyInto, WithoutAMatchingNewPictureTheFrameIsTheOldOne) {
  const Bitmap old = Filled(4, 4, RGB(10, 20, 30));
  Bitmap frame(4, 4);
  WeightedCopyInto(frame, old, Filled(5, 4, clWhite), 0);
  EXPECT_EQ(frame.pixel(3, 3), RGB(10, 20, 30));
  // Under 2 by 2 the weighted copy does nothing either.
  const Bitmap thin = Filled(1, 3, RGB(1, 2, 3));
  WeightedCopyInto(frame, thin, Filled(1, 3, clWhite), 0);
  EXPECT_EQ(frame.width(), 1);
  EXPECT_EQ(frame.pixel(0, 2), RGB(1, 2, 3));
}
