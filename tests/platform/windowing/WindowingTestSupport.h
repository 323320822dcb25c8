#pragma once
// Shared fixture of the windowing tests: a fresh headless screen per test, a
// window class that records the messages it receives, and small helpers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/HeadlessDriver.h"
#include "platform/windowing/WinUser.h"

struct LoggedMessage {
  HWND hwnd;
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
};

class WindowingTest : public ::testing::Test {
 public:
  // Messages received since the last clear.
  static std::vector<LoggedMessage>& log();

 protected:
  WindowingTest();
  ~WindowingTest() override;

  // A top-level window of the recording class ("TestWindow", CS_DBLCLKS,
  // white background), shown and painted.
  HWND makeTop(const char* title, RECT bounds, DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
               DWORD exStyle = 0, HWND owner = nullptr);
  HWND makeChild(HWND parent, RECT bounds, DWORD style = 0, LONG_PTR id = 0);

  // The numbers of the messages hwnd received, only those listed (all when empty).
  static std::vector<UINT> messagesOf(HWND hwnd, std::initializer_list<UINT> only);
  static int count(HWND hwnd, UINT msg);
  static void clearLog() { log().clear(); }

  HeadlessDriver driver;
};
