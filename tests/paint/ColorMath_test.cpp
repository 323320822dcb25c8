#include "paint/primitives/ColorMath.h"

#include <gtest/gtest.h>

#include "PaintTestSupport.h"

TEST(ColorMath, DivRoundHalfEvenAgreesWithRealDivision) {
  for (int d : {1, 2, 3, 7, 100, 255, 256})
    for (int n = 0; n < 3000; ++n) ASSERT_EQ(DivRoundHalfEven(n, d), ReferenceRound(static_cast<double>(n) / d)) << n << "/" << d;
  EXPECT_EQ(DivRoundHalfEven(5, 2), 2);  // 2.5 -> 2
  EXPECT_EQ(DivRoundHalfEven(7, 2), 4);  // 3.5 -> 4
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-0.5), 0);
  EXPECT_EQ(RoundHalfEven(254.5000001), 255);
}

TEST(ColorMath, MixColorsRoundsEachChannelAndKeepsHighByte) {
  for (double x : {0.0, 0.25, 0.4, 0.5, 0.6, 1.0})
    for (int a = 0; a < 256; a += 3)
      for (int b = 0; b < 256; b += 5) {
        const TColor mixed = MixColors(RGB(a, 255 - a, a / 2), RGB(b, b / 3, 255 - b), x);
        ASSERT_EQ(GetRValue(mixed), ReferenceRound(x * a + (1 - x) * b));
        ASSERT_EQ(GetGValue(mixed), ReferenceRound(x * (255 - a) + (1 - x) * (b / 3)));
        ASSERT_EQ(GetBValue(mixed), ReferenceRound(x * (a / 2) + (1 - x) * (255 - b)));
      }
  EXPECT_EQ(MixColors(RGB(1, 0, 0), RGB(0, 0, 0), 0.5), RGB(0, 0, 0));  // 0.5 ties to 0
  EXPECT_EQ(MixColors(RGB(3, 0, 0), RGB(0, 0, 0), 0.5), RGB(2, 0, 0));  // 1.5 ties to 2
  EXPECT_EQ(MixColors(0x02000000u | RGB(10, 20, 30), RGB(10, 20, 30), 0.3), 0x02000000u | RGB(10, 20, 30));
  // A system colour is resolved before mixing and the result is plain RGB.
  const TColor face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(MixColors(clBtnFace, face, 0.7), face);
}

TEST(ColorMath, HalfMixLeansTowardTheSecondColour) {
  EXPECT_EQ(HalfMixColors(RGB(255, 0, 100), RGB(0, 255, 100)), RGB((255 * 127) >> 8, (255 * 129) >> 8, 100 * 256 >> 8));
  EXPECT_EQ(HalfMixColors(0x01FFFFFFu, 0x01FFFFFFu) >> 24, 0u);
  EXPECT_EQ(HalfMixColors(clWhite, clWhite), RGB(255, 255, 255));
}

TEST(ColorMath, ToneTableMovesTowardTheColour) {
  std::uint8_t table[256];
  for (double x : {0.0, 0.3, 0.5, 1.0})
    for (int k : {0, 77, 128, 255}) {
      MakeToneTable(table, k, x);
      for (int v = 0; v < 256; ++v) ASSERT_EQ(table[v], ReferenceRound(x * (v - k) + k)) << x << " " << k << " " << v;
    }
  MakeToneTable(table, 40, 1.0);
  EXPECT_EQ(table[200], 200);
  MakeToneTable(table, 40, 0.0);
  EXPECT_EQ(table[200], 40);
}
