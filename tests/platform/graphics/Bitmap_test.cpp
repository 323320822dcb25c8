#include "platform/Bitmap.h"

#include <gtest/gtest.h>

TEST(Bitmap, RowsAddressedAlikeForBothStorageOrders) {
  for (bool bottomUp : {false, true}) {
    Bitmap bmp(5, 3, PixelFormat::Bgr24, bottomUp);
    ASSERT_EQ(bmp.stride(), 16);  // 15 bytes padded to 16
    EXPECT_EQ(bmp.row(1) - bmp.row(0), bmp.delta());
    bmp.setPixel(4, 2, RGB(10, 20, 30));
    const std::uint8_t* p = bmp.start() + 2 * bmp.delta() + 12;
    EXPECT_EQ(p[0], 30);
    EXPECT_EQ(p[1], 20);
    EXPECT_EQ(p[2], 10);
    EXPECT_EQ(bmp.pixel(4, 2), RGB(10, 20, 30));
    // A bottom-up bitmap keeps its last row first in memory.
    EXPECT_EQ(bmp.bits() == bmp.row(2), bottomUp);
  }
}

TEST(Bitmap, FillResolvesSystemColoursAndOutsideAccessIsHarmless) {
  Bitmap bmp(3, 2, PixelFormat::Bgrx32);
  bmp.fill(clBtnFace);
  EXPECT_EQ(bmp.pixel(2, 1), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(bmp.pixel(3, 0), 0xFFFFFFFFu);
  bmp.setPixel(-1, 0, clRed);  // ignored
  Bitmap empty(0, 7);
  EXPECT_TRUE(empty.empty());
  EXPECT_EQ(empty.start(), nullptr);
}
