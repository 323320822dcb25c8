#include "platform/Bitmap.h"

#include <gtest/gtest.h>

#include <utility>

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

// A resize gives a black picture whether the storage grows, shrinks or keeps
// its size; copies own their pixels and a moved-from bitmap holds none.
TEST(Bitmap, ResizeClearsAndCopiesOwnTheirPixels) {
  Bitmap big(10, 6);
  big.fill(RGB(1, 2, 3));
  big.resize(10, 6);
  EXPECT_EQ(big.pixel(9, 5), RGB(0, 0, 0));
  big.fill(RGB(4, 5, 6));
  big.resize(3, 2);  // smaller: the old block is reused
  EXPECT_EQ(big.pixel(2, 1), RGB(0, 0, 0));
  big.fill(RGB(7, 8, 9));
  big.resize(20, 20);
  EXPECT_EQ(big.pixel(19, 19), RGB(0, 0, 0));

  Bitmap original(4, 4, PixelFormat::Bgrx32);
  original.setPixel(1, 1, RGB(10, 20, 30));
  Bitmap copy = original;
  copy.setPixel(1, 1, RGB(40, 50, 60));
  EXPECT_EQ(original.pixel(1, 1), RGB(10, 20, 30));
  EXPECT_EQ(copy.pixel(1, 1), RGB(40, 50, 60));

  Bitmap small(1, 1);
  small = original;  // assignment into a smaller block
  EXPECT_TRUE(small == original);
  big = small;  // and into a larger one
  EXPECT_TRUE(big == original);

  Bitmap moved = std::move(copy);
  EXPECT_EQ(moved.pixel(1, 1), RGB(40, 50, 60));
  EXPECT_EQ(copy.sizeInBytes(), 0u);  // NOLINT(bugprone-use-after-move): the moved-from state is the point
}
