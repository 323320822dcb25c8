#pragma once
// A headless screen with the standard classes registered and a plain
// top-level window that records every WM_COMMAND and WM_VSCROLL it hears,
// so tests can count the notifications a control sends.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/controls/ControlMessages.h"
#include "platform/controls/StandardClasses.h"
#include "platform/headless/HeadlessDriver.h"
#include "platform/windowing/WinUser.h"

struct Notification {
  int id = 0;
  int code = 0;
  HWND from = nullptr;
  std::string text;  // the sender's window text when the notification arrived
};

class ControlsTest : public ::testing::Test {
 public:
  static std::vector<Notification>& notifications();
  static std::vector<std::pair<int, int>>& scrolls();  // (code, position) of WM_VSCROLL

 protected:
  void SetUp() override;
  void TearDown() override;

  // A child control of the test window, focused-free and visible.
  HWND child(const char* className, const char* text, DWORD style, RECT bounds, int id, DWORD exStyle = 0);
  int count(int id, int code) const;
  std::string text(HWND hwnd) const { return GetWindowTextString(hwnd); }
  // Centre of a window's client area in screen coordinates.
  POINT centre(HWND hwnd) const;

  HeadlessDriver driver;
  HWND parent = nullptr;
};
