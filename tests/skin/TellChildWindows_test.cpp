// A notice the skin gives the windows of a window goes to that window's own
// children only: each child passes it on to its children itself, so a
// grandchild told by its grandparent too would act on it twice.
#include <gtest/gtest.h>

#include <map>

#include "platform/headless/HeadlessDriver.h"
#include "platform/windowing/WinUser.h"
#include "skin/SkinCommands.h"

namespace {

constexpr UINT kNotice = WM_USER + 77;
std::map<HWND, int> noticesHeard;

LRESULT CountNotices(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kNotice) {
    ++noticesHeard[window];
    return 0;
  }
  return DefWindowProc(window, msg, wParam, lParam);
}

}  // namespace

TEST(TellChildWindows, OnlyTheWindowsOwnChildrenHearTheNotice) {
  HeadlessDriver driver;
  WNDCLASS counting;
  counting.lpfnWndProc = &CountNotices;
  counting.lpszClassName = "CountingNotices";
  RegisterClass(&counting);
  const HWND parent = CreateWindowEx(0, "CountingNotices", "", WS_POPUP, 0, 0, 200, 100, nullptr, 0, nullptr);
  const HWND first = CreateWindowEx(0, "CountingNotices", "", WS_CHILD, 0, 0, 80, 80, parent, 0, nullptr);
  const HWND second = CreateWindowEx(0, "CountingNotices", "", WS_CHILD, 100, 0, 80, 80, parent, 0, nullptr);
  const HWND grandchild = CreateWindowEx(0, "CountingNotices", "", WS_CHILD, 0, 0, 40, 40, first, 0, nullptr);
  noticesHeard.clear();

  TellChildWindows(parent, kNotice, 0, 0);
  EXPECT_EQ(noticesHeard[first], 1);
  EXPECT_EQ(noticesHeard[second], 1);
  EXPECT_EQ(noticesHeard[grandchild], 0);
  EXPECT_EQ(noticesHeard[parent], 0);
  DestroyWindow(parent);
}
