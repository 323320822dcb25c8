// The window tree: relations, z-order, coordinates, placement and state.
#include <filesystem>

#include "platform/FileBytes.h"
#include "platform/PngCodec.h"
#include "platform/windowing/InputRouter.h"
#include "platform/windowing/ShellApi.h"
#include "platform/windowing/WindowManager.h"
#include "WindowingTestSupport.h"

namespace {

class WindowTree : public WindowingTest {
 protected:
  void SetUp() override {
    top = makeTop("tree", Bounds(100, 100, 400, 300));
    a = makeChild(top, Bounds(10, 10, 100, 100), 0, 1);
    b = makeChild(top, Bounds(50, 50, 100, 100), 0, 2);
    a1 = makeChild(a, Bounds(5, 5, 20, 20), 0, 11);
    clearLog();
  }
  HWND top = nullptr, a = nullptr, b = nullptr, a1 = nullptr;
};

std::vector<HWND> enumerated;
BOOL collect(HWND hwnd, LPARAM) {
  enumerated.push_back(hwnd);
  return TRUE;
}

TEST_F(WindowTree, RelationsFollowCreationOrderAndZOrder) {
  EXPECT_EQ(GetParent(a1), a);
  EXPECT_EQ(GetAncestorRoot(a1), top);
  EXPECT_TRUE(IsChild(top, a1));
  EXPECT_FALSE(IsChild(b, a1));
  // The first child created is on top, as the tab order expects.
  EXPECT_EQ(GetWindow(top, GW_CHILD), a);
  EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
  EXPECT_EQ(GetWindow(b, GW_HWNDPREV), a);
  EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), nullptr);
  enumerated.clear();
  EnumChildWindows(top, collect, 0);
  EXPECT_EQ(enumerated, (std::vector<HWND>{a, a1, b}));
  EXPECT_EQ(GetWindowLongPtr(a1, GWLP_ID), 11);
  // Bringing b to the top puts it in front of a where they overlap.
  SetWindowPos(b, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(GetWindow(top, GW_CHILD), b);
  POINT overlap = driver.clientToScreen(top, {70, 70});
  EXPECT_EQ(WindowFromPoint(overlap), b);
  EXPECT_EQ(ChildWindowFromPoint(top, {70, 70}), b);
  EXPECT_EQ(ChildWindowFromPoint(top, {300, 200}), top);
}

TEST_F(WindowTree, CoordinatesMapBetweenWindowsAndTheScreen) {
  POINT p{0, 0};
  ClientToScreen(a1, &p);
  // Window at (100, 100), frame 3, caption 19; a at (10, 10); a1 at (5, 5).
  EXPECT_EQ(p, (POINT{100 + 3 + 10 + 5, 100 + 22 + 10 + 5}));
  ScreenToClient(b, &p);
  EXPECT_EQ(p, (POINT{10 + 5 - 50, 10 + 5 - 50}));
  POINT points[2] = {{0, 0}, {1, 2}};
  MapWindowPoints(a1, top, points, 2);
  EXPECT_EQ(points[0], (POINT{15, 15}));
  EXPECT_EQ(points[1], (POINT{16, 17}));
  RECT r;
  GetWindowRect(a1, &r);
  EXPECT_EQ(r, Bounds(118, 137, 20, 20));
}

LRESULT clampingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  // Never narrower than 50 pixels.
  if (msg == WM_WINDOWPOSCHANGING) {
    auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
    if (!(pos->flags & SWP_NOSIZE) && pos->cx < 50) pos->cx = 50;
  }
  return DefWindowProc(hwnd, msg, wParam, lParam);
}

TEST_F(WindowTree, PlacementCanBeAdjustedByTheWindowAndReportsMoveAndSize) {
  SetWindowLongPtr(b, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(clampingProc));
  MoveWindow(b, 70, 80, 10, 30, TRUE);
  RECT r;
  GetClientRect(b, &r);
  EXPECT_EQ(r.Width(), 50);
  EXPECT_EQ(r.Height(), 30);
  MoveWindow(a, 20, 30, 120, 90, TRUE);
  const auto* size = static_cast<const LoggedMessage*>(nullptr);
  const auto* move = static_cast<const LoggedMessage*>(nullptr);
  for (const LoggedMessage& m : log()) {
    if (m.hwnd == a && m.msg == WM_SIZE) size = &m;
    if (m.hwnd == a && m.msg == WM_MOVE) move = &m;
  }
  ASSERT_NE(size, nullptr);
  ASSERT_NE(move, nullptr);
  EXPECT_EQ(LOWORD(size->lParam), 120);
  EXPECT_EQ(HIWORD(size->lParam), 90);
  EXPECT_EQ(LOWORD(move->lParam), 20);
  EXPECT_EQ(HIWORD(move->lParam), 30);
}

TEST_F(WindowTree, StyleChangesAreAnnouncedAndKeepTheChildBit) {
  const LONG_PTR old = GetWindowLongPtr(a, GWL_STYLE);
  EXPECT_EQ(SetWindowLongPtr(a, GWL_STYLE, (old | WS_BORDER) & ~WS_CHILD), old);
  EXPECT_EQ(messagesOf(a, {WM_STYLECHANGING, WM_STYLECHANGED}), (std::vector<UINT>{WM_STYLECHANGING, WM_STYLECHANGED}));
  EXPECT_NE(GetWindowLongPtr(a, GWL_STYLE) & WS_CHILD, 0);
  EXPECT_NE(GetWindowLongPtr(a, GWL_STYLE) & WS_BORDER, 0);
  // The frame follows only when asked to recompute it.
  SetWindowPos(a, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  RECT client;
  GetClientRect(a, &client);
  EXPECT_EQ(client.Width(), 100 - 2);
}

TEST_F(WindowTree, ShowingWithoutActivationLeavesTheActiveWindowAlone) {
  HWND other = CreateWindowEx(0, "TestWindow", "other", WS_POPUP, 600, 100, 100, 100, nullptr, 0, nullptr);
  ShowWindow(other, SW_SHOWNA);
  EXPECT_TRUE(IsWindowVisible(other));
  EXPECT_EQ(GetActiveWindow(), top);
  ShowWindow(other, SW_SHOW);
  EXPECT_EQ(GetActiveWindow(), other);
  EXPECT_EQ(GetTopWindow(nullptr), other);
}

TEST_F(WindowTree, TopmostWindowsStayInFrontOfOthers) {
  HWND floating = makeTop("float", Bounds(150, 150, 60, 60), WS_POPUP, WS_EX_TOPMOST);
  HWND later = makeTop("later", Bounds(120, 120, 200, 200), WS_POPUP);
  EXPECT_EQ(GetTopWindow(nullptr), floating);
  EXPECT_EQ(WindowFromPoint({170, 170}), floating);
  SetWindowPos(floating, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetActiveWindow(later);
  EXPECT_EQ(WindowFromPoint({170, 170}), later);
}

TEST_F(WindowTree, MaximizeFillsTheScreenAndRestoreComesBack) {
  ShowWindow(top, SW_SHOWMAXIMIZED);
  RECT r;
  GetWindowRect(top, &r);
  EXPECT_EQ(r, Bounds(0, 0, 1280, 1024));
  EXPECT_TRUE(IsZoomed(top));
  ShowWindow(top, SW_RESTORE);
  GetWindowRect(top, &r);
  EXPECT_EQ(r, Bounds(100, 100, 400, 300));
  EXPECT_FALSE(IsZoomed(top));
}

TEST_F(WindowTree, FocusFollowsDisablingHidingAndDestruction) {
  SetFocus(a1);
  EXPECT_EQ(GetFocus(), a1);
  EnableWindow(a, FALSE);
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(count(a1, WM_KILLFOCUS), 1);
  EXPECT_EQ(SetFocus(a1), nullptr);  // a disabled parent keeps it out
  EXPECT_EQ(GetFocus(), nullptr);
  SetFocus(b);
  ShowWindow(b, SW_HIDE);
  EXPECT_EQ(GetFocus(), nullptr);
  // Focusing a window of another top-level window activates that one.
  HWND other = makeTop("other", Bounds(600, 100, 200, 200));
  HWND field = makeChild(other, Bounds(5, 5, 50, 20));
  SetActiveWindow(top);
  SetFocus(field);
  EXPECT_EQ(GetActiveWindow(), other);
  EXPECT_EQ(GetFocus(), field);
  DestroyWindow(field);
  EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(WindowTree, TheWheelGoesToTheFocusAndClimbsToWhoeverWantsIt) {
  SetFocus(a1);
  clearLog();
  driver.wheel(driver.clientToScreen(b, {5, 5}), -WHEEL_DELTA);
  EXPECT_EQ(messagesOf(a1, {WM_MOUSEWHEEL}).size(), 1u);
  EXPECT_EQ(messagesOf(a, {WM_MOUSEWHEEL}).size(), 1u);
  EXPECT_EQ(messagesOf(top, {WM_MOUSEWHEEL}).size(), 1u);
  EXPECT_EQ(messagesOf(b, {WM_MOUSEWHEEL}).size(), 0u);
  for (const LoggedMessage& m : log()) {
    if (m.msg == WM_MOUSEWHEEL) {
      EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(m.wParam), -WHEEL_DELTA);
    }
  }
}

TEST_F(WindowTree, TheDesktopMovingOrResizingAWindowIsReportedToIt) {
  wm().input().windowMoved(top, {300, 250});
  wm().input().windowResized(top, {500, 320});
  RECT r;
  GetWindowRect(top, &r);
  EXPECT_EQ(r, Bounds(300, 250, 500, 320));
  EXPECT_GE(count(top, WM_MOVE), 1);
  EXPECT_GE(count(top, WM_SIZE), 1);
  wm().input().closeRequested(top);
  driver.runUntilIdle();
  EXPECT_FALSE(IsWindow(top));
}

TEST_F(WindowTree, ScreenshotsAreWrittenAsPngFiles) {
  const auto path = std::filesystem::temp_directory_path() / "windowing_screenshot_test.png";
  ASSERT_TRUE(driver.savePng(driver.windowShot(top), path.string()));
  auto bytes = FileBytes::read(path.string());
  ASSERT_TRUE(bytes.ok());
  auto picture = PngCodec::decode(bytes.value());
  ASSERT_TRUE(picture.ok());
  EXPECT_EQ(picture.value().width(), 400);
  EXPECT_EQ(picture.value().height(), 300);
  EXPECT_EQ(picture.value().pixel(200, 150), clWhite);
  std::filesystem::remove(path);
}

TEST_F(WindowTree, PeekingWithoutRemovingLeavesTimersAndMessagesQueued) {
  SetTimer(top, 1, 100, nullptr);
  driver.backend().setClock(driver.now() + 100);
  MSG msg;
  ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(msg.message, WM_TIMER);
  ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(msg.message, WM_TIMER);
  PostMessage(top, WM_APP, 0, 0);
  ASSERT_TRUE(PeekMessage(&msg, nullptr, WM_APP, WM_APP, PM_NOREMOVE));
  EXPECT_EQ(msg.message, WM_APP);
  EXPECT_EQ(driver.runUntilIdle(), 2);
}

// A class without a background leaves erasing to the painter: fErase says so.
BOOL lastErase = FALSE;
LRESULT eraseReportingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    lastErase = ps.fErase;
    EndPaint(hwnd, &ps);
    return 0;
  }
  return DefWindowProc(hwnd, msg, wParam, lParam);
}

TEST_F(WindowTree, PaintingTellsWhetherTheBackgroundStillNeedsErasing) {
  WNDCLASS wc;
  wc.lpfnWndProc = eraseReportingProc;
  wc.lpszClassName = "NoBackground";
  RegisterClass(&wc);
  lastErase = FALSE;
  CreateWindowEx(0, "NoBackground", "", WS_CHILD | WS_VISIBLE, 200, 10, 50, 50, top, 0, nullptr);
  driver.runUntilIdle();
  EXPECT_TRUE(lastErase);
}

}  // namespace

namespace {

class DesktopServices : public WindowingTest {};

TEST_F(DesktopServices, TheHeadlessScreenRecordsLinksClipboardAndCursor) {
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 1024);
  EXPECT_TRUE(OpenURL("https://example.org/"));
  EXPECT_FALSE(OpenURL(""));
  EXPECT_GT(ShellExecute(nullptr, "open", "https://example.org/автор", "", "", SW_SHOWMINIMIZED), 32);
  EXPECT_EQ(ShellExecute(nullptr, "open", "", "", "", SW_SHOWNORMAL), SE_ERR_FNF) << "nothing to open";
  EXPECT_EQ(ShellExecute(nullptr, "print", "https://example.org/", "", "", SW_SHOWNORMAL), SE_ERR_NOASSOC);
  EXPECT_EQ(driver.backend().openedUrls(),
            (std::vector<std::string>{"https://example.org/", "https://example.org/автор"}));
  ASSERT_EQ(driver.backend().openedLinks().size(), 2u);
  EXPECT_EQ(driver.backend().openedLinks()[1].ShowCommand, SW_SHOWMINIMIZED);
  EXPECT_TRUE(SetClipboardText("Наполнить БАНКУ 2"));
  EXPECT_EQ(GetClipboardText(), "Наполнить БАНКУ 2");
  // The cursor follows the class of the window under the pointer.
  WNDCLASS wc;
  wc.lpfnWndProc = DefWindowProc;
  wc.cursor = IDC_IBEAM;
  wc.lpszClassName = "TextField";
  RegisterClass(&wc);
  HWND top = makeTop("c", Bounds(100, 100, 300, 200));
  HWND field = CreateWindowEx(0, "TextField", "", WS_CHILD | WS_VISIBLE, 10, 10, 100, 20, top, 0, nullptr);
  driver.moveTo(driver.clientToScreen(field, {5, 5}));
  EXPECT_EQ(driver.backend().cursor(), IDC_IBEAM);
  driver.moveTo(driver.clientToScreen(top, {200, 100}));
  EXPECT_EQ(driver.backend().cursor(), IDC_ARROW);
  POINT p;
  GetCursorPos(&p);
  EXPECT_EQ(p, driver.clientToScreen(top, {200, 100}));
}

}  // namespace
