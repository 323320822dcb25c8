// Mouse and keyboard routing, capture, enter/leave, focus and activation.
#include "WindowingTestSupport.h"
#include "platform/windowing/InputRouter.h"
#include "platform/windowing/WindowManager.h"

namespace {

class Input : public WindowingTest {
 protected:
  void SetUp() override {
    top = makeTop("input", Bounds(100, 100, 300, 200));
    child = makeChild(top, Bounds(20, 20, 100, 60));
    clearLog();
  }
  const LoggedMessage* last(HWND hwnd, UINT msg) {
    for (auto it = log().rbegin(); it != log().rend(); ++it)
      if (it->hwnd == hwnd && it->msg == msg) return &*it;
    return nullptr;
  }
  HWND top = nullptr;
  HWND child = nullptr;
};

TEST_F(Input, ClicksArriveAtTheWindowUnderThePointerInClientCoordinates) {
  driver.clickClient(child, {10, 12});
  const LoggedMessage* down = last(child, WM_LBUTTONDOWN);
  ASSERT_NE(down, nullptr);
  EXPECT_EQ(GET_X_LPARAM(down->lParam), 10);
  EXPECT_EQ(GET_Y_LPARAM(down->lParam), 12);
  EXPECT_EQ(down->wParam & MK_LBUTTON, MK_LBUTTON);
  const LoggedMessage* up = last(child, WM_LBUTTONUP);
  ASSERT_NE(up, nullptr);
  EXPECT_EQ(up->wParam & MK_LBUTTON, 0u);
  EXPECT_EQ(count(top, WM_LBUTTONDOWN), 0);
  // Right button with Shift held.
  driver.keyDown(VK_SHIFT);
  driver.clickClient(top, {150, 10}, MouseButton::Right);
  driver.keyUp(VK_SHIFT);
  ASSERT_NE(last(top, WM_RBUTTONDOWN), nullptr);
  EXPECT_EQ(last(top, WM_RBUTTONDOWN)->wParam, MK_RBUTTON | MK_SHIFT);
}

TEST_F(Input, DoubleClicksNeedTheClassStyleAndCloseClicks) {
  driver.doubleClickClient(child, {5, 5});
  EXPECT_EQ(messagesOf(child, {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}));

  clearLog();
  driver.clickClient(child, {5, 5});
  driver.clickClient(child, {15, 5});  // too far from the first
  EXPECT_EQ(count(child, WM_LBUTTONDBLCLK), 0);

  clearLog();
  driver.clickClient(child, {5, 5});
  driver.runFor(GetDoubleClickTime() + 1);  // too late
  driver.clickClient(child, {5, 5});
  EXPECT_EQ(count(child, WM_LBUTTONDBLCLK), 0);

  WNDCLASS wc;
  wc.lpfnWndProc = DefWindowProc;
  wc.lpszClassName = "NoDoubleClicks";
  RegisterClass(&wc);
  HWND plain = CreateWindowEx(0, "NoDoubleClicks", "", WS_CHILD | WS_VISIBLE, 150, 20, 40, 40, top, 0, nullptr);
  // Without CS_DBLCLKS the second press is just another press (seen by a subclass).
  static int downs = 0;
  static WNDPROC previous = nullptr;
  downs = 0;
  previous = reinterpret_cast<WNDPROC>(SetWindowLongPtr(plain, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+[](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    if (m == WM_LBUTTONDOWN) ++downs;
    if (m == WM_LBUTTONDBLCLK) downs += 100;
    return CallWindowProc(previous, h, m, w, l);
  })));
  driver.doubleClickClient(plain, {5, 5});
  EXPECT_EQ(downs, 2);
}

TEST_F(Input, CaptureTakesTheMouseWhereverItGoes) {
  SetCapture(child);
  driver.moveTo(driver.clientToScreen(child, {-30, 150}));
  const LoggedMessage* move = last(child, WM_MOUSEMOVE);
  ASSERT_NE(move, nullptr);
  EXPECT_EQ(GET_X_LPARAM(move->lParam), -30);
  EXPECT_EQ(GET_Y_LPARAM(move->lParam), 150);
  EXPECT_EQ(count(top, WM_MOUSEMOVE), 0);
  // Taking the capture away tells the old holder who has it now.
  SetCapture(top);
  ASSERT_NE(last(child, WM_CAPTURECHANGED), nullptr);
  EXPECT_EQ(reinterpret_cast<HWND>(last(child, WM_CAPTURECHANGED)->lParam), top);
  ReleaseCapture();
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_NE(last(top, WM_CAPTURECHANGED), nullptr);
}

std::vector<std::pair<HWND, HWND>> transitions;
void recordTransition(HWND left, HWND entered) { transitions.emplace_back(left, entered); }

TEST_F(Input, LeavingATrackedWindowPostsMouseLeaveAndTheTransitionHookSeesEveryChange) {
  transitions.clear();
  SetMouseTransitionHook(recordTransition);
  driver.moveTo(driver.clientToScreen(child, {5, 5}));
  TRACKMOUSEEVENT tme;
  tme.dwFlags = TME_LEAVE;
  tme.hwndTrack = child;
  ASSERT_TRUE(TrackMouseEvent(&tme));
  driver.moveTo(driver.clientToScreen(child, {6, 6}));
  EXPECT_EQ(count(child, WM_MOUSELEAVE), 0);
  driver.moveTo(driver.clientToScreen(top, {200, 80}));
  EXPECT_EQ(count(child, WM_MOUSELEAVE), 1);
  // The frame has its own leave.
  driver.moveTo(driver.windowToScreen(top, {100, 8}));  // caption
  tme.dwFlags = TME_LEAVE | TME_NONCLIENT;
  tme.hwndTrack = top;
  TrackMouseEvent(&tme);
  driver.moveTo(driver.clientToScreen(top, {200, 80}));
  EXPECT_EQ(count(top, WM_NCMOUSELEAVE), 1);
  driver.moveTo({5, 5});  // the desktop
  SetMouseTransitionHook(nullptr);
  EXPECT_EQ(transitions, (std::vector<std::pair<HWND, HWND>>{{nullptr, child}, {child, top}, {top, nullptr}}));
}

TEST_F(Input, DisabledWindowsGetNoInput) {
  EnableWindow(child, FALSE);
  driver.clickClient(child, {5, 5});
  EXPECT_EQ(count(child, WM_LBUTTONDOWN), 0);
  EXPECT_EQ(count(top, WM_LBUTTONDOWN), 1);  // the parent under it gets the click
  EnableWindow(top, FALSE);
  EXPECT_EQ(count(top, WM_ENABLE), 1);
  clearLog();
  driver.clickClient(top, {200, 80});
  driver.pressKey('A');
  EXPECT_EQ(count(top, WM_LBUTTONDOWN), 0);
  EXPECT_EQ(count(top, WM_KEYDOWN), 0);
}

LRESULT transparentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCHITTEST) return HTTRANSPARENT;
  return DefWindowProc(hwnd, msg, wParam, lParam);
}

TEST_F(Input, ATransparentWindowLetsTheClickThroughToTheWindowBelowIt) {
  WNDCLASS wc;
  wc.lpfnWndProc = transparentProc;
  wc.lpszClassName = "Transparent";
  RegisterClass(&wc);
  // A frame over `child`, on top of it in the z-order, like a group box.
  HWND frame = CreateWindowEx(0, "Transparent", "", WS_CHILD | WS_VISIBLE, 10, 10, 200, 100, top, 9, nullptr);
  SetWindowPos(frame, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  driver.runUntilIdle();
  ASSERT_EQ(GetWindow(top, GW_CHILD), frame);
  driver.clickClient(top, {30, 30});  // inside both `frame` and `child`
  EXPECT_EQ(count(child, WM_LBUTTONDOWN), 1);
  driver.clickClient(top, {190, 100});  // only the frame: the parent gets it
  EXPECT_EQ(count(top, WM_LBUTTONDOWN), 1);
}

TEST_F(Input, ClickingAnInactiveWindowActivatesIt) {
  HWND other = makeTop("other", Bounds(500, 100, 200, 150));
  ASSERT_EQ(GetActiveWindow(), other);
  clearLog();
  driver.clickClient(top, {200, 80});
  EXPECT_EQ(GetActiveWindow(), top);
  EXPECT_EQ(messagesOf(other, {WM_NCACTIVATE, WM_ACTIVATE}), (std::vector<UINT>{WM_NCACTIVATE, WM_ACTIVATE}));
  const LoggedMessage* activate = last(top, WM_ACTIVATE);
  ASSERT_NE(activate, nullptr);
  EXPECT_EQ(LOWORD(activate->wParam), WA_CLICKACTIVE);
  EXPECT_EQ(GetTopWindow(nullptr), top);
  EXPECT_EQ(GetFocus(), top);
}

TEST_F(Input, TheDesktopFocusingAWindowActivatesItUnlessItNeverActivates) {
  // A drop-down list shown without activation: the desktop may still hand
  // it the focus as it maps it (X without a window manager does).
  HWND list = makeTop("list", Bounds(120, 310, 100, 60), WS_POPUP, WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST);
  HWND other = makeTop("other", Bounds(500, 100, 200, 150));
  SetActiveWindow(top);
  ASSERT_EQ(GetActiveWindow(), top);
  clearLog();
  wm().input().nativeActivated(list);
  EXPECT_EQ(GetActiveWindow(), top);
  EXPECT_EQ(count(top, WM_NCACTIVATE), 0) << "the window under the list must keep its active title";
  wm().input().nativeActivated(other);
  EXPECT_EQ(GetActiveWindow(), other);
}

TEST_F(Input, KeysGoToTheFocusWindowAndTextArrivesAsCodePoints) {
  SetFocus(child);
  EXPECT_EQ(count(top, WM_KILLFOCUS), 1);
  EXPECT_EQ(count(child, WM_SETFOCUS), 1);
  clearLog();
  driver.pressKey(VK_RETURN);
  driver.typeText("Я1");
  EXPECT_EQ(messagesOf(child, {WM_KEYDOWN, WM_CHAR, WM_KEYUP}), (std::vector<UINT>{WM_KEYDOWN, WM_CHAR, WM_KEYUP, WM_CHAR, WM_CHAR}));
  std::vector<WPARAM> chars;
  for (const LoggedMessage& m : log())
    if (m.msg == WM_CHAR) chars.push_back(m.wParam);
  EXPECT_EQ(chars, (std::vector<WPARAM>{13, 0x42F, '1'}));
  EXPECT_EQ(GetKeyState(VK_RETURN) & 0x8000, 0);
  driver.keyDown(VK_SHIFT);
  EXPECT_NE(GetKeyState(VK_SHIFT) & 0x8000, 0);
  driver.keyUp(VK_SHIFT);
}

TEST_F(Input, NothingIsTypedWhileCtrlIsHeldButAltGrTypes) {
  SetFocus(child);
  clearLog();
  // Ctrl+A under a Russian layout: the desktop hands over "ф" as well.
  driver.keyDown(VK_CONTROL);
  driver.pressKey('A');
  driver.typeText("ф");
  EXPECT_EQ(count(child, WM_KEYDOWN), 2) << "Ctrl and A still arrive as keys";
  // Ctrl with Alt is AltGr: "€" on many layouts.
  driver.keyDown(VK_MENU);
  driver.typeText("€");
  driver.keyUp(VK_MENU);
  driver.keyUp(VK_CONTROL);
  driver.typeText("a");
  std::vector<WPARAM> chars;
  for (const LoggedMessage& m : log())
    if (m.msg == WM_CHAR && m.hwnd == child) chars.push_back(m.wParam);
  // Ctrl+A is the control character 1, as on the classic desktop; no "ф".
  EXPECT_EQ(chars, (std::vector<WPARAM>{1, 0x20AC, 'a'}));
}

TEST_F(Input, TheDesktopClosesOnlyAWindowWithACloseBoxAndNeverPastItsMessageBox) {
  // No system menu, so no close box: Alt+F4 in a window manager or a task
  // bar's Close must not take it away either.
  HWND noClose = makeTop("no close", Bounds(400, 100, 200, 100), WS_OVERLAPPED | WS_CAPTION);
  driver.requestClose(noClose);
  EXPECT_TRUE(IsWindow(noClose));
  EXPECT_TRUE(IsWindowVisible(noClose));

  // A message box has disabled its owner: the box comes forward, unanswered.
  HWND box = makeTop("box", Bounds(150, 150, 100, 80), WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, top);
  EnableWindow(top, FALSE);
  SetActiveWindow(noClose);
  driver.requestClose(top);
  EXPECT_TRUE(IsWindow(top));
  EXPECT_EQ(GetActiveWindow(), box);

  EnableWindow(top, TRUE);
  DestroyWindow(box);
  driver.requestClose(top);
  EXPECT_FALSE(IsWindow(top));
}

TEST_F(Input, AnotherProgramTakingTheKeyboardEndsWhatTheMouseDidAndDeactivates) {
  SetFocus(child);
  SetCapture(child);
  clearLog();
  driver.focusAnotherProgram();
  EXPECT_EQ(GetActiveWindow(), nullptr);
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(count(child, WM_CANCELMODE), 1);
  EXPECT_EQ(count(child, WM_KILLFOCUS), 1);
  const LoggedMessage* app = last(top, WM_ACTIVATEAPP);
  ASSERT_NE(app, nullptr);
  EXPECT_EQ(app->wParam, static_cast<WPARAM>(FALSE));
  // Keys typed now are not the program's.
  driver.typeText("x");
  EXPECT_EQ(count(child, WM_CHAR) + count(top, WM_CHAR), 0);

  // Back again: the program is active once more.
  driver.giveKeyboardTo(top);
  EXPECT_EQ(GetActiveWindow(), top);
  ASSERT_NE(last(top, WM_ACTIVATEAPP), nullptr);
  EXPECT_EQ(last(top, WM_ACTIVATEAPP)->wParam, static_cast<WPARAM>(TRUE));
}

TEST_F(Input, AltF4ClosesTheActiveWindow) {
  driver.keyDown(VK_MENU);
  driver.pressKey(VK_F4);
  driver.keyUp(VK_MENU);
  EXPECT_FALSE(IsWindow(top));
}

TEST_F(Input, HidingTheActiveWindowHandsActivationToItsOwner) {
  HWND popup = makeTop("popup", Bounds(150, 150, 100, 80), WS_POPUP | WS_CAPTION, 0, top);
  ASSERT_EQ(GetActiveWindow(), popup);
  ShowWindow(popup, SW_HIDE);
  EXPECT_EQ(GetActiveWindow(), top);
  // Destroying the owner takes its pop-ups along.
  DestroyWindow(top);
  EXPECT_FALSE(IsWindow(popup));
}

}  // namespace
