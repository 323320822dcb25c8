#include "ControlsFixture.h"

std::vector<Notification>& ControlsTest::notifications() {
  static std::vector<Notification> list;
  return list;
}

std::vector<std::pair<int, int>>& ControlsTest::scrolls() {
  static std::vector<std::pair<int, int>> list;
  return list;
}

static LRESULT recordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND) {
    const HWND from = reinterpret_cast<HWND>(lParam);
    ControlsTest::notifications().push_back({LOWORD(wParam), HIWORD(wParam), from, GetWindowTextString(from)});
    return 0;
  }
  if (msg == WM_VSCROLL) {
    ControlsTest::scrolls().push_back({LOWORD(wParam), static_cast<std::int16_t>(HIWORD(wParam))});
    return 0;
  }
  return DefWindowProc(hwnd, msg, wParam, lParam);
}

void ControlsTest::SetUp() {
  notifications().clear();
  scrolls().clear();
  RegisterStandardClasses();
  WNDCLASS wc;
  wc.lpfnWndProc = &recordingProc;
  wc.background = clBtnFace;
  wc.lpszClassName = "ControlsTestParent";
  RegisterClass(&wc);
  parent = CreateWindowEx(0, "ControlsTestParent", "Controls", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 500, 400,
                          nullptr, 0, nullptr);
  ASSERT_NE(parent, nullptr);
  driver.runUntilIdle();
}

void ControlsTest::TearDown() {
  if (IsWindow(parent)) DestroyWindow(parent);
  driver.runUntilIdle();
}

HWND ControlsTest::child(const char* className, const char* text, DWORD style, RECT bounds, int id, DWORD exStyle) {
  const HWND hwnd = CreateWindowEx(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, bounds.Left, bounds.Top,
                                   bounds.Width(), bounds.Height(), parent, id, nullptr);
  EXPECT_NE(hwnd, nullptr) << className;
  driver.runUntilIdle();
  return hwnd;
}

int ControlsTest::count(int id, int code) const {
  int n = 0;
  for (const Notification& note : notifications())
    if (note.id == id && note.code == code) ++n;
  return n;
}

POINT ControlsTest::centre(HWND hwnd) const {
  RECT r{};
  GetClientRect(hwnd, &r);
  return driver.clientToScreen(hwnd, Point(r.Width() / 2, r.Height() / 2));
}
