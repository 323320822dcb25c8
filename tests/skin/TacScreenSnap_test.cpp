// Snapping to the screen's edges: the arithmetic, and a skinned form that
// has ScreenSnap set landing on the edge it was moved close to.
#include <gtest/gtest.h>

#include "platform/windowing/WinUser.h"
#include "skin/frame/TacScreenSnap.h"
#include "tests/skin/ProgramFrameFixture.h"

namespace {

WINDOWPOS Snapped(int x, int y, int buffer = 10) {
  WINDOWPOS pos{nullptr, nullptr, x, y, 200, 100, 0};
  SnapToScreen(pos, {1024, 768}, buffer);
  return pos;
}

struct ScreenSnapTest : ::testing::Test, ProgramFrameFixture {};

}  // namespace

TEST(ScreenSnap, EdgesWithinTheBufferLandOnTheScreenEdgeFromEitherSide) {
  EXPECT_EQ(Snapped(7, 300).x, 0);
  EXPECT_EQ(Snapped(-7, 300).x, 0) << "just outside the screen";
  EXPECT_EQ(Snapped(10, 300).x, 0) << "the buffer's own distance still snaps";
  EXPECT_EQ(Snapped(11, 300).x, 11);
  EXPECT_EQ(Snapped(1024 - 200 - 9, 300).x, 1024 - 200);
  EXPECT_EQ(Snapped(1024 - 200 + 4, 300).x, 1024 - 200);
  EXPECT_EQ(Snapped(1024 - 200 - 11, 300).x, 1024 - 200 - 11);
  EXPECT_EQ(Snapped(300, 3).y, 0);
  EXPECT_EQ(Snapped(300, 768 - 100 - 5).y, 768 - 100);
  const WINDOWPOS middle = Snapped(300, 300);
  EXPECT_EQ(middle.x, 300);
  EXPECT_EQ(middle.y, 300);
  EXPECT_EQ(Snapped(7, 300, 0).x, 7) << "a buffer of 0 snaps only what is on the edge";
  EXPECT_EQ(Snapped(7, 300, -1).x, 7);
}

TEST_F(ScreenSnapTest, ASkinnedFormWithScreenSnapLandsOnTheEdgeItIsMovedCloseTo) {
  TFrameTestForm* form = ShowForm(bsSingle, biSystemMenu | biMinimize, 200, 100);
  TsSkinProvider* frame = ProviderOf(*form);
  ASSERT_NE(frame, nullptr);
  SetWindowPos(form->Handle(), nullptr, 6, 8, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  RECT r{};
  GetWindowRect(form->Handle(), &r);
  EXPECT_EQ(r.Left, 6) << "off by default";
  frame->ScreenSnap = true;
  SetWindowPos(form->Handle(), nullptr, 6, 8, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  GetWindowRect(form->Handle(), &r);
  EXPECT_EQ(r.Left, 0);
  EXPECT_EQ(r.Top, 0);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  SetWindowPos(form->Handle(), nullptr, screenWidth - r.Width() - 4, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  GetWindowRect(form->Handle(), &r);
  EXPECT_EQ(r.Right, screenWidth);
  EXPECT_EQ(r.Top, 300);
}
