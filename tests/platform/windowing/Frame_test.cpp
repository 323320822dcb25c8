// The default frame, painting, regions and layered windows, seen through
// hit codes, injected input and screen pixels.
#include "platform/graphics/Gdi.h"
#include "platform/windowing/InputRouter.h"
#include "platform/windowing/WindowManager.h"
#include "WindowingTestSupport.h"

namespace {

class Frame : public WindowingTest {
 protected:
  int hitAt(HWND hwnd, POINT inWindow) {
    const POINT s = driver.windowToScreen(hwnd, inWindow);
    return static_cast<int>(SendMessage(hwnd, WM_NCHITTEST, 0, MAKELPARAM(s.X, s.Y)));
  }
  TColor screenPixel(POINT p) { return driver.screenshot().pixel(p.X, p.Y); }
};

// A dialog-framed window 300 x 200: 3-pixel frame, 19-pixel caption.
TEST_F(Frame, TheClientAreaIsTheWindowLessFrameAndCaption) {
  HWND w = makeTop("f", Bounds(100, 100, 300, 200));
  RECT client;
  GetClientRect(w, &client);
  EXPECT_EQ(client, Bounds(0, 0, 300 - 2 * 3, 200 - 2 * 3 - 19));
  RECT adjusted = client;
  AdjustWindowRectEx(&adjusted, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, FALSE, 0);
  EXPECT_EQ(adjusted.Width(), 300);
  EXPECT_EQ(adjusted.Height(), 200);
  POINT origin{0, 0};
  ClientToScreen(w, &origin);
  EXPECT_EQ(origin, (POINT{103, 122}));
}

TEST_F(Frame, EveryPartOfTheFrameAnswersItsHitCode) {
  HWND w = makeTop("f", Bounds(100, 100, 300, 200));
  EXPECT_EQ(hitAt(w, {150, 100}), HTCLIENT);
  EXPECT_EQ(hitAt(w, {150, 10}), HTCAPTION);
  EXPECT_EQ(hitAt(w, {300 - 3 - 6, 12}), HTCLOSE);        // right end of the caption
  EXPECT_EQ(hitAt(w, {300 - 3 - 2 - 17 - 2 - 6, 12}), HTMINBUTTON);  // next to the close button
  EXPECT_EQ(hitAt(w, {8, 12}), HTSYSMENU);                // the icon
  EXPECT_EQ(hitAt(w, {1, 100}), HTBORDER);                // a dialog frame does not resize
  EXPECT_EQ(hitAt(w, {150, 199}), HTBORDER);
  EXPECT_EQ(hitAt(w, {300, 100}), HTNOWHERE);

  HWND sizable = makeTop("s", Bounds(500, 100, 300, 200), WS_OVERLAPPEDWINDOW);
  EXPECT_EQ(hitAt(sizable, {1, 1}), HTTOPLEFT);
  EXPECT_EQ(hitAt(sizable, {298, 198}), HTBOTTOMRIGHT);
  EXPECT_EQ(hitAt(sizable, {1, 100}), HTLEFT);
  EXPECT_EQ(hitAt(sizable, {150, 198}), HTBOTTOM);
  EXPECT_EQ(hitAt(sizable, {300 - 4 - 2 - 17 - 2 - 6, 12}), HTMAXBUTTON);
}

TEST_F(Frame, DraggingTheCaptionMovesTheWindow) {
  HWND w = makeTop("drag", Bounds(100, 100, 300, 200));
  clearLog();
  driver.drag(driver.windowToScreen(w, {150, 10}), driver.windowToScreen(w, {190, 35}));
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r, Bounds(140, 125, 300, 200));
  EXPECT_GE(count(w, WM_MOVE), 1);
  EXPECT_EQ(count(w, WM_EXITSIZEMOVE), 1);
  // The window's picture moved along on the screen.
  EXPECT_EQ(screenPixel({140 + 150, 125 + 100}), clWhite);
}

TEST_F(Frame, TheCloseButtonLooksPressedWhileHeldAndClosesOnRelease) {
  HWND w = makeTop("close", Bounds(100, 100, 300, 200));
  const POINT close = driver.windowToScreen(w, {300 - 3 - 10, 12});
  // The button's top-left outer edge: light when raised, shadow when pressed.
  const POINT corner = driver.windowToScreen(w, {300 - 3 - 2 - 17, 5});
  const TColor raised = screenPixel(corner);
  driver.press(close);
  EXPECT_EQ(screenPixel(corner), ColorToRGB(clBtnShadow));
  EXPECT_NE(raised, ColorToRGB(clBtnShadow));
  // Sliding off and releasing elsewhere cancels.
  driver.moveTo(driver.windowToScreen(w, {100, 12}));
  EXPECT_EQ(screenPixel(corner), raised);
  driver.release(driver.windowToScreen(w, {100, 12}));
  EXPECT_TRUE(IsWindow(w));
  clearLog();
  driver.click(close);
  EXPECT_FALSE(IsWindow(w));
  std::vector<UINT> order;
  for (const LoggedMessage& m : log())
    if (m.msg == WM_SYSCOMMAND || m.msg == WM_CLOSE || m.msg == WM_DESTROY) order.push_back(m.msg);
  EXPECT_EQ(order, (std::vector<UINT>{WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY}));
}

TEST_F(Frame, TheWindowIconAppearsInTheCaption) {
  HWND w = makeTop("icon", Bounds(100, 100, 300, 200));
  Bitmap icon(16, 16, PixelFormat::Bgrx32);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      std::uint8_t* p = icon.row(y) + x * 4;
      p[0] = 0;
      p[1] = 200;  // green
      p[2] = 0;
      p[3] = 255;
    }
  ASSERT_TRUE(SetWindowIcon(w, &icon));
  driver.runUntilIdle();
  EXPECT_EQ(screenPixel(driver.windowToScreen(w, {3 + 9, 3 + 9})), RGB(0, 200, 0));
  Bitmap opaque24(16, 16);
  EXPECT_FALSE(SetWindowIcon(w, &opaque24));  // the fourth byte is required
}

TEST_F(Frame, AQuickClickThatArrivesInOneBatchStillCloses) {
  HWND w = makeTop("quick", Bounds(100, 100, 300, 200));
  const POINT close = driver.windowToScreen(w, {300 - 3 - 10, 12});
  // The desktop hands over press and release before the loop sees either.
  wm().input().mouseMove(close);
  wm().input().mouseButton(close, MouseButton::Left, true);
  wm().input().mouseButton(close, MouseButton::Left, false);
  driver.runUntilIdle();
  EXPECT_FALSE(IsWindow(w));
  EXPECT_EQ(wm().input().tracker(), nullptr);
}

TEST_F(Frame, TheMinimizeButtonTakesTheWindowOffTheScreen) {
  HWND w = makeTop("min", Bounds(100, 100, 300, 200));
  driver.click(driver.windowToScreen(w, {300 - 3 - 2 - 17 - 2 - 6, 12}));
  EXPECT_TRUE(IsIconic(w));
  EXPECT_FALSE(IsWindowVisible(w));
  EXPECT_EQ(screenPixel({250, 200}), GetSysColor(COLOR_BACKGROUND));
  ShowWindow(w, SW_RESTORE);
  driver.runUntilIdle();
  EXPECT_FALSE(IsIconic(w));
  EXPECT_EQ(screenPixel({250, 200}), clWhite);
}

TEST_F(Frame, AWindowTheDesktopBringsBackFromItsTaskBarIsRestoredAndActive) {
  HWND w = makeTop("min", Bounds(100, 100, 300, 200));
  HWND other = makeTop("other", Bounds(600, 100, 200, 150));
  ShowWindow(w, SW_MINIMIZE);
  driver.runUntilIdle();
  ASSERT_TRUE(IsIconic(w));
  ASSERT_EQ(GetActiveWindow(), other);
  clearLog();
  wm().input().nativeRestored(w);
  driver.runUntilIdle();
  EXPECT_FALSE(IsIconic(w));
  EXPECT_TRUE(IsWindowVisible(w));
  EXPECT_EQ(GetActiveWindow(), w);
  EXPECT_EQ(screenPixel({250, 200}), clWhite);
  const std::vector<UINT> sizes = messagesOf(w, {WM_SIZE});
  EXPECT_EQ(sizes.size(), 1u) << "the window hears it is restored";
  // A window that was never minimised ignores the news (events of earlier
  // showing and hiding may still arrive).
  clearLog();
  wm().input().nativeRestored(other);
  EXPECT_EQ(messagesOf(other, {WM_SIZE, WM_ACTIVATE}).size(), 0u);
}

// ---- painting

LRESULT redChildProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    // Deliberately larger than the window: the context must clip.
    FillRect(dc, Bounds(-50, -50, 500, 500), clRed);
    EndPaint(hwnd, &ps);
    return 0;
  }
  if (msg == WM_PRINTCLIENT) {
    FillRect(reinterpret_cast<HDC>(wParam), Bounds(0, 0, 40, 30), clRed);
    return 0;
  }
  return DefWindowProc(hwnd, msg, wParam, lParam);
}

class Painting : public Frame {
 protected:
  void SetUp() override {
    WNDCLASS wc;
    wc.lpfnWndProc = redChildProc;
    wc.lpszClassName = "RedChild";
    RegisterClass(&wc);
    top = makeTop("paint", Bounds(100, 100, 300, 200));
    red = CreateWindowEx(0, "RedChild", "", WS_CHILD | WS_VISIBLE, 20, 20, 40, 30, top, 0, nullptr);
    driver.runUntilIdle();
  }
  POINT inClient(POINT p) { return driver.clientToScreen(top, p); }
  HWND top = nullptr;
  HWND red = nullptr;
};

TEST_F(Painting, ChildrenPaintIntoTheirParentClippedToThemselves) {
  EXPECT_EQ(screenPixel(inClient({20, 20})), clRed);
  EXPECT_EQ(screenPixel(inClient({59, 49})), clRed);
  EXPECT_EQ(screenPixel(inClient({60, 49})), clWhite);
  EXPECT_EQ(screenPixel(inClient({19, 20})), clWhite);
  // The caption is painted in the active colour with the title on it.
  EXPECT_EQ(screenPixel(driver.windowToScreen(top, {150, 4})), ColorToRGB(clActiveCaption));
}

TEST_F(Painting, MovingAChildRepaintsWhereItWasAndWhereItIs) {
  MoveWindow(red, 100, 60, 40, 30, TRUE);
  driver.runUntilIdle();
  EXPECT_EQ(screenPixel(inClient({25, 25})), clWhite);
  EXPECT_EQ(screenPixel(inClient({105, 65})), clRed);
  ShowWindow(red, SW_HIDE);
  driver.runUntilIdle();
  EXPECT_EQ(screenPixel(inClient({105, 65})), clWhite);
}

TEST_F(Painting, NoPaintingWhileRedrawIsOff) {
  HWND plain = makeChild(top, Bounds(150, 20, 40, 30));
  SendMessage(plain, WM_SETREDRAW, FALSE, 0);
  clearLog();
  InvalidateRect(plain, nullptr, TRUE);
  driver.runUntilIdle();
  EXPECT_EQ(count(plain, WM_PAINT), 0);
  SendMessage(plain, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(plain, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
  EXPECT_EQ(count(plain, WM_PAINT), 1);
  EXPECT_EQ(count(plain, WM_NCPAINT), 1);
}

TEST_F(Painting, UpdateWindowPaintsAtOnceAndOnlyTheInvalidPart) {
  RECT part = Bounds(5, 5, 10, 10);
  InvalidateRect(top, &part, TRUE);
  clearLog();
  UpdateWindow(top);
  EXPECT_EQ(count(top, WM_PAINT), 1);
  EXPECT_EQ(count(top, WM_ERASEBKGND), 1);
  // The child does not lie under the repainted part, so it is left alone.
  EXPECT_EQ(count(red, WM_PAINT), 0);
  RECT pending;
  EXPECT_FALSE(GetUpdateRect(top, &pending, FALSE));
}

TEST_F(Painting, PrintWindowDrawsFrameClientAndChildrenIntoAnyContext) {
  Bitmap picture(300, 200, PixelFormat::Bgr24);
  picture.fill(clBlack);
  DeviceContext dc(picture);
  ASSERT_TRUE(PrintWindow(top, &dc));
  EXPECT_EQ(picture.pixel(3 + 20 + 5, 22 + 20 + 5), clRed);     // the child, through WM_PRINTCLIENT
  EXPECT_EQ(picture.pixel(3 + 150, 22 + 100), clWhite);          // the parent's erased background
  EXPECT_EQ(picture.pixel(150, 4), ColorToRGB(clActiveCaption));  // the frame
}

TEST_F(Painting, WindowRegionsCutTheShapeForPaintingAndHitting) {
  HWND round = makeTop("round", Bounds(600, 100, 100, 100), WS_POPUP);
  Region ellipse = CreateEllipticRgn(0, 0, 100, 100);
  SetWindowRgn(round, &ellipse, TRUE);
  driver.runUntilIdle();
  EXPECT_EQ(WindowFromPoint({650, 150}), round);
  EXPECT_EQ(WindowFromPoint({602, 102}), nullptr);  // the corner outside the ellipse
  EXPECT_EQ(screenPixel({650, 150}), clWhite);
  EXPECT_EQ(screenPixel({602, 102}), GetSysColor(COLOR_BACKGROUND));
  // A child with a region lets clicks through its cut-off part to the parent.
  Region half = CreateRectRgn(0, 0, 20, 30);
  SetWindowRgn(red, &half, TRUE);
  clearLog();
  driver.clickClient(top, {50, 25});
  EXPECT_EQ(count(top, WM_LBUTTONDOWN), 1);
  EXPECT_EQ(count(red, WM_LBUTTONDOWN), 0);
}

TEST_F(Painting, LayeredWindowsBlendOverWhatIsBelow) {
  // Half-transparent black over the white client area of `top`.
  HWND veil = makeTop("veil", Bounds(250, 200, 50, 50), WS_POPUP, WS_EX_LAYERED | WS_EX_TOPMOST);
  Bitmap black(50, 50, PixelFormat::Bgrx32);
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 50; ++x) black.row(y)[x * 4 + 3] = x < 25 ? 255 : 0;  // premultiplied: black, or nothing
  ASSERT_TRUE(UpdateLayeredWindow(veil, nullptr, nullptr, &black, 128));
  driver.runUntilIdle();
  const TColor left = screenPixel({260, 220});
  EXPECT_NEAR(GetRValue(left), 127, 1);
  EXPECT_NEAR(GetBValue(left), 127, 1);
  EXPECT_EQ(screenPixel({290, 220}), clWhite);  // alpha 0 shows the window below
  // A constant alpha on a painted window.
  SetLayeredWindowAttributes(veil, 0, 0, LWA_ALPHA);
  driver.runUntilIdle();
  EXPECT_EQ(screenPixel({260, 220}), clWhite);
  EXPECT_EQ(WindowFromPoint({260, 220}), veil);
}

}  // namespace
