// The windowing layer's own window (the demo "Банки": frame, caption, list
// box, drop-down, button, shapes and text, no skin) on the headless screen
// at device scale 2: the same window rectangle, a picture twice as large
// that is the 1x picture doubled wherever no text or curve is, and text
// rasterised at the finer resolution.
#include <gtest/gtest.h>

#include "app/DemoWindow.h"
#include "platform/DeviceScale.h"
#include "platform/headless/HeadlessDriver.h"
#include "tests/app/ScaledPictureBlocks.h"

namespace {

struct Shot {
  RECT rect;
  Bitmap picture;
};

Shot DemoWindowAt(int scale) {
  DeviceScale::Scoped atScale(scale);
  HeadlessDriver driver;
  HWND window = CreateDemoWindow();
  ShowWindow(window, SW_SHOW);
  driver.runUntilIdle();
  Shot shot;
  GetWindowRect(window, &shot.rect);
  shot.picture = driver.windowShot(window);
  return shot;
}

}  // namespace

TEST(DemoWindowAtTwiceTheScale, LayoutIsDoubledAndTextIsFiner) {
  const Shot one = DemoWindowAt(1);
  const Shot two = DemoWindowAt(2);
  ASSERT_FALSE(one.picture.empty());
  EXPECT_EQ(one.rect, two.rect);
  ASSERT_EQ(two.picture.scale(), 2);
  EXPECT_EQ(two.picture.deviceWidth(), 2 * one.picture.width());
  EXPECT_EQ(two.picture.deviceHeight(), 2 * one.picture.height());

  // Frame, caption bar and the client's plain ground: exactly doubled.
  const RECT whole = Bounds(0, 0, one.picture.width(), one.picture.height());
  const RECT frameLeft = Bounds(0, 0, 4, whole.Bottom);
  const RECT bottomEdge = Bounds(0, whole.Bottom - 4, whole.Right, 4);
  EXPECT_EQ(BlocksNotEnlarged(two.picture, one.picture, frameLeft, 2), 0);
  EXPECT_EQ(BlocksNotEnlarged(two.picture, one.picture, bottomEdge, 2), 0);
  // Across the whole window almost everything is: what is not is text and
  // the edges of curves.
  const int notEnlarged = BlocksNotEnlarged(two.picture, one.picture, whole, 2);
  const int blocks = whole.Width() * whole.Height();
  EXPECT_GT(notEnlarged, 200);
  EXPECT_LT(notEnlarged, blocks / 10);
}
