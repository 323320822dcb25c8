#include "platform/DeviceScaleChoice.h"

#include <gtest/gtest.h>

using DeviceScaleChoice::Choose;
using DeviceScaleChoice::DesktopDensity;
using DeviceScaleChoice::ParseScale;

namespace {

// About the size of the tube window with its frame.
constexpr SIZE kWindow{600, 540};
constexpr SIZE kLargeScreen{3840, 2160};

DesktopDensity OnLargeScreen() {
  DesktopDensity d;
  d.screen = kLargeScreen;
  return d;
}

}  // namespace

TEST(DeviceScaleChoice, FirstReadableSourceWins) {
  DesktopDensity d = OnLargeScreen();
  d.trainerScale = "2";
  d.gdkScale = "3";
  d.xftDpi = 96;
  EXPECT_EQ(Choose(d, kWindow), 2);
  d.trainerScale.reset();
  EXPECT_EQ(Choose(d, kWindow), 3);
  d.gdkScale.reset();
  d.xftDpi = 192;
  d.displayDpi = 96;
  EXPECT_EQ(Choose(d, kWindow), 2);
  d.xftDpi = 0;
  d.displayDpi = 288;
  EXPECT_EQ(Choose(d, kWindow), 3);
  d.displayDpi = 0;
  EXPECT_EQ(Choose(d, kWindow), 1);
  // An unreadable setting passes the word on instead of forcing 1.
  d.trainerScale = "big";
  d.gdkScale = "2";
  EXPECT_EQ(Choose(d, kWindow), 2);
}

TEST(DeviceScaleChoice, DpiRoundsToTheNearestWholeFactor) {
  DesktopDensity d = OnLargeScreen();
  const std::pair<double, int> cases[] = {{96, 1}, {120, 1}, {143, 1}, {144, 2}, {192, 2}, {239, 2}, {288, 3}, {600, 3}};
  for (const auto& [dpi, expected] : cases) {
    d.xftDpi = dpi;
    EXPECT_EQ(Choose(d, kWindow), expected) << dpi;
  }
}

TEST(DeviceScaleChoice, NeverLargerThanTheScreenHolds) {
  DesktopDensity d;
  d.trainerScale = "3";
  d.screen = kLargeScreen;
  EXPECT_EQ(Choose(d, kWindow), 3);
  d.screen = {1920, 1080};  // 3 x 540 is too tall, 2 x 540 just fits
  EXPECT_EQ(Choose(d, kWindow), 2);
  d.screen = {1920, 1079};
  EXPECT_EQ(Choose(d, kWindow), 1);
  d.screen = {1199, 2160};  // too narrow for 2 x 600
  EXPECT_EQ(Choose(d, kWindow), 1);
  d.screen = {};  // unknown: no limit
  EXPECT_EQ(Choose(d, kWindow), 3);
}

TEST(DeviceScaleChoice, ParsesOnlyWholePositiveNumbers) {
  EXPECT_EQ(ParseScale("1"), 1);
  EXPECT_EQ(ParseScale("2"), 2);
  EXPECT_EQ(ParseScale("7"), 3);
  for (const char* bad : {"", "0", "-2", "1.5", "2x", "x", "99999999999999999999"})
    EXPECT_EQ(ParseScale(bad), std::nullopt) << bad;
}
