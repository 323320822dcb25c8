#include <gtest/gtest.h>

#include "PaintTestSupport.h"
#include "paint/PaintAccessors.h"

TEST(TacFast24, AttachRefusesMissingThinAndForeignBitmaps) {
  TacFast24 fast;
  EXPECT_FALSE(fast.Attach(nullptr));
  EXPECT_EQ(fast.Width, 0);
  Bitmap oneHigh(10, 1);
  EXPECT_FALSE(fast.Attach(&oneHigh));
  EXPECT_EQ(fast.Width, 0);
  Bitmap oneWide(1, 10);
  EXPECT_FALSE(fast.Attach(&oneWide));
  Bitmap deep(4, 4, PixelFormat::Bgrx32);
  EXPECT_FALSE(fast.Attach(&deep));
  Bitmap ok(2, 2);
  EXPECT_TRUE(fast.Attach(&ok));
  EXPECT_EQ(fast.Width, 2);
  EXPECT_EQ(fast.Height, 2);
}

TEST(TacFast24, PixelsRoundTripInBothStorageOrders) {
  for (bool bottomUp : kBothOrders) {
    Bitmap bmp(5, 4, PixelFormat::Bgr24, bottomUp);
    TacFast24 fast;
    ASSERT_TRUE(fast.Attach(&bmp));
    EXPECT_EQ(fast.Delta, bmp.row(1) - bmp.row(0));
    fast.SetPixel(4, 3, RGB(1, 2, 3));
    EXPECT_EQ(bmp.pixel(4, 3), RGB(1, 2, 3));
    EXPECT_EQ(bmp.row(3)[12], 3);  // blue first in memory
    bmp.setPixel(0, 2, RGB(200, 100, 50));
    EXPECT_EQ(fast.Pixel(0, 2), RGB(200, 100, 50));
  }
}

TEST(TacFast32, FourthByteIsWrittenFromHighByteButNeverRead) {
  Bitmap bmp(3, 3, PixelFormat::Bgrx32, true);
  TacFast32 fast;
  ASSERT_TRUE(fast.Attach(&bmp));
  fast.SetPixel(2, 1, 0x7F0A0B0Cu);
  const std::uint8_t* p = bmp.row(1) + 8;
  EXPECT_EQ(p[0], 0x0A);
  EXPECT_EQ(p[3], 0x7F);
  EXPECT_EQ(fast.Pixel(2, 1), 0x000A0B0Cu);
  Bitmap small(1, 5, PixelFormat::Bgrx32);
  EXPECT_FALSE(fast.Attach(&small));
  EXPECT_EQ(fast.Width, 0);
  Bitmap shallow(3, 3);
  EXPECT_FALSE(fast.Attach(&shallow));
}

TEST(TacFastSum24, AttachRefusesOnePixelWideAndKeepsCommonSize) {
  TacFastSum24 sum;
  Bitmap a(5, 8), oneWide(1, 8), b(7, 3);
  EXPECT_FALSE(sum.Attach(&a, &oneWide));
  EXPECT_FALSE(sum.Attach(&oneWide, &a));
  EXPECT_FALSE(sum.Attach(nullptr, &a));
  ASSERT_TRUE(sum.Attach(&a, &b));
  EXPECT_EQ(sum.Width, 5);
  EXPECT_EQ(sum.Height, 3);
  // The engine's instances are one set for the whole process.
  EXPECT_EQ(&EngineAccessors(), &EngineAccessors());
}
