// The up-down pair: range, buddy edit, auto-repeat on the virtual clock.
#include "ControlsFixture.h"
#include "platform/controls/UpDownControl.h"

namespace {
using UpDownTest = ControlsTest;

TEST_F(UpDownTest, HoldingTheUpArrowRepeatsAndUpdatesTheBuddy) {
  const HWND edit = child(WC_EDIT, "", 0, Bounds(10, 10, 60, 22), 1, WS_EX_CLIENTEDGE);
  const HWND spin = child(UPDOWN_CLASS, "", UDS_SETBUDDYINT, Bounds(70, 10, 16, 22), 2);
  SendMessage(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
  SendMessage(spin, UDM_SETRANGE32, 0, 10);
  SendMessage(spin, UDM_SETPOS32, 0, 5);
  EXPECT_EQ(text(edit), "5");

  const POINT up = driver.clientToScreen(spin, Point(8, 4));
  driver.press(up);
  EXPECT_EQ(SendMessage(spin, UDM_GETPOS32, 0, 0), 6);
  driver.runFor(UpDownControl::kFirstDelayMs + 2 * UpDownControl::kRepeatMs + 10);
  EXPECT_EQ(SendMessage(spin, UDM_GETPOS32, 0, 0), 9);
  driver.runFor(10 * UpDownControl::kRepeatMs);
  EXPECT_EQ(SendMessage(spin, UDM_GETPOS32, 0, 0), 10) << "held at the top of the range";
  driver.release(up);
  EXPECT_EQ(text(edit), "10");
  ASSERT_FALSE(scrolls().empty());
  EXPECT_EQ(scrolls().back().first, SB_ENDSCROLL);
  EXPECT_EQ(scrolls().front(), std::make_pair(int{SB_THUMBPOSITION}, 6));

  // A number typed into the buddy is where the next step starts.
  SetWindowText(edit, "3");
  driver.click(driver.clientToScreen(spin, Point(8, 18)));
  EXPECT_EQ(text(edit), "2");
  int low = -1, high = -1;
  SendMessage(spin, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
  EXPECT_EQ(low, 0);
  EXPECT_EQ(high, 10);
}
}  // namespace
