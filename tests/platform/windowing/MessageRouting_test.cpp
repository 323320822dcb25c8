// Window lifetime, message delivery, subclassing, re-entrancy and loops.
#include <string>

#include "WindowingTestSupport.h"

namespace {

class MessageRouting : public WindowingTest {};

void* paramsAtNcCreate = nullptr;
void* paramsAtCreate = nullptr;
LRESULT paramsProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  // The structure lives only while the messages are sent: read it right here.
  if (msg == WM_NCCREATE) paramsAtNcCreate = reinterpret_cast<const CREATESTRUCT*>(lParam)->lpCreateParams;
  if (msg == WM_CREATE) paramsAtCreate = reinterpret_cast<const CREATESTRUCT*>(lParam)->lpCreateParams;
  return DefWindowProc(hwnd, msg, wParam, lParam);
}

TEST_F(MessageRouting, CreationSendsItsMessagesInOrderWithTheCreateParams) {
  HWND w = CreateWindowEx(0, "TestWindow", "Банки", WS_OVERLAPPED | WS_CAPTION, 10, 20, 200, 100, nullptr, 0, nullptr);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(messagesOf(w, {WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE}),
            (std::vector<UINT>{WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE}));
  EXPECT_EQ(GetWindowTextString(w), "Банки");
  EXPECT_EQ(GetClassNameString(w), "TestWindow");
  EXPECT_FALSE(IsWindowVisible(w));

  WNDCLASS wc;
  wc.lpfnWndProc = paramsProc;
  wc.lpszClassName = "Params";
  RegisterClass(&wc);
  int params = 42;
  ASSERT_NE(CreateWindowEx(0, "Params", "", WS_POPUP, 0, 0, 10, 10, nullptr, 0, &params), nullptr);
  EXPECT_EQ(paramsAtNcCreate, &params);
  EXPECT_EQ(paramsAtCreate, &params);
}

TEST_F(MessageRouting, StaleAndMadeUpHandlesFailCleanly) {
  HWND w = makeTop("a", Bounds(0, 0, 100, 100));
  ASSERT_TRUE(DestroyWindow(w));
  EXPECT_FALSE(IsWindow(w));
  EXPECT_EQ(SendMessage(w, WM_USER, 0, 0), 0);
  EXPECT_FALSE(PostMessage(w, WM_USER, 0, 0));
  EXPECT_FALSE(SetWindowText(w, "x"));
  RECT r;
  EXPECT_FALSE(GetWindowRect(w, &r));
  EXPECT_FALSE(DestroyWindow(w));
  EXPECT_EQ(SetTimer(w, 1, 100, nullptr), 0u);
  EXPECT_EQ(GetDC(w), nullptr);
  // A new window may take the same slot, but never the same handle.
  HWND again = makeTop("b", Bounds(0, 0, 100, 100));
  EXPECT_NE(again, w);
  EXPECT_FALSE(IsWindow(w));
  EXPECT_TRUE(IsWindow(again));
  HWND bogus = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x7777777));
  EXPECT_FALSE(IsWindow(bogus));
  EXPECT_FALSE(ShowWindow(bogus, SW_SHOW));
  EXPECT_EQ(GetParent(bogus), nullptr);
}

TEST_F(MessageRouting, DestroyReachesChildrenBeforeTheWindowIsGone) {
  HWND parent = makeTop("p", Bounds(0, 0, 200, 200));
  HWND child = makeChild(parent, Bounds(10, 10, 50, 50));
  HWND grandChild = makeChild(child, Bounds(1, 1, 10, 10));
  clearLog();
  DestroyWindow(parent);
  std::vector<std::pair<HWND, UINT>> order;
  for (const LoggedMessage& m : log())
    if (m.msg == WM_DESTROY || m.msg == WM_NCDESTROY) order.emplace_back(m.hwnd, m.msg);
  const std::vector<std::pair<HWND, UINT>> expected = {
      {parent, WM_DESTROY},       {child, WM_DESTROY},       {grandChild, WM_DESTROY}, {grandChild, WM_NCDESTROY},
      {child, WM_NCDESTROY},      {parent, WM_NCDESTROY}};
  EXPECT_EQ(order, expected);
  EXPECT_FALSE(IsWindow(child));
  EXPECT_FALSE(IsWindow(grandChild));
}

// A button-like window that destroys itself when clicked and then keeps
// talking to its own handle, as a careless click handler would.
int selfDestroyCalls = 0;
LRESULT selfDestroyingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_LBUTTONDOWN) {
    ++selfDestroyCalls;
    DestroyWindow(hwnd);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(SetWindowText(hwnd, "after"));
    EXPECT_EQ(SendMessage(hwnd, WM_USER, 0, 0), 0);
    InvalidateRect(hwnd, nullptr, TRUE);
    return 0;
  }
  return DefWindowProc(hwnd, msg, wParam, lParam);
}

TEST_F(MessageRouting, AWindowMayDestroyItselfInsideItsOwnHandler) {
  WNDCLASS wc;
  wc.lpfnWndProc = selfDestroyingProc;
  wc.lpszClassName = "SelfDestroying";
  ASSERT_NE(RegisterClass(&wc), 0);
  HWND parent = makeTop("p", Bounds(100, 100, 300, 200));
  HWND button = CreateWindowEx(0, "SelfDestroying", "", WS_CHILD | WS_VISIBLE, 10, 10, 80, 30, parent, 1, nullptr);
  driver.runUntilIdle();
  selfDestroyCalls = 0;
  driver.clickClient(button, {5, 5});
  EXPECT_EQ(selfDestroyCalls, 1);
  EXPECT_FALSE(IsWindow(button));
  EXPECT_TRUE(IsWindow(parent));
  // The second click of the pair now lands on the parent.
  clearLog();
  driver.clickClient(parent, {15, 15});
  EXPECT_EQ(count(parent, WM_LBUTTONDOWN), 1);
}

// ---- subclassing

WNDPROC firstPrevious = nullptr;
WNDPROC secondPrevious = nullptr;
std::vector<std::string> chain;

LRESULT firstSubclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_USER) chain.push_back("first");
  if (msg == WM_USER + 1) return 111;  // consumed here
  return CallWindowProc(firstPrevious, hwnd, msg, wParam, lParam);
}

LRESULT secondSubclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_USER) chain.push_back("second");
  return CallWindowProc(secondPrevious, hwnd, msg, wParam, lParam);
}

TEST_F(MessageRouting, SubclassesRunNewestFirstAndPassOnWhatTheyDoNotConsume) {
  HWND w = makeTop("s", Bounds(0, 0, 100, 100));
  const auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtr(w, GWLP_WNDPROC));
  firstPrevious = reinterpret_cast<WNDPROC>(SetWindowLongPtr(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(firstSubclass)));
  secondPrevious = reinterpret_cast<WNDPROC>(SetWindowLongPtr(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(secondSubclass)));
  EXPECT_EQ(firstPrevious, original);
  EXPECT_EQ(secondPrevious, firstSubclass);
  chain.clear();
  clearLog();
  SendMessage(w, WM_USER, 0, 0);
  EXPECT_EQ(chain, (std::vector<std::string>{"second", "first"}));
  EXPECT_EQ(count(w, WM_USER), 1);  // reached the class procedure at the end
  EXPECT_EQ(SendMessage(w, WM_USER + 1, 0, 0), 111);
  EXPECT_EQ(count(w, WM_USER + 1), 0);
  // Taking a subclass out restores the chain below it.
  SetWindowLongPtr(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(secondPrevious));
  chain.clear();
  SendMessage(w, WM_USER, 0, 0);
  EXPECT_EQ(chain, (std::vector<std::string>{"first"}));
}

// ---- re-entrant sending

HWND pingWindow = nullptr;
HWND pongWindow = nullptr;
LRESULT pingPongProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  // Each side answers its depth plus what the other side answered.
  if (msg == WM_APP) {
    if (wParam == 0) return 1;
    const HWND other = hwnd == pingWindow ? pongWindow : pingWindow;
    return 1 + SendMessage(other, WM_APP, wParam - 1, 0);
  }
  return DefWindowProc(hwnd, msg, wParam, lParam);
}

TEST_F(MessageRouting, SendMessageIsSynchronousAndReentrant) {
  WNDCLASS wc;
  wc.lpfnWndProc = pingPongProc;
  wc.lpszClassName = "PingPong";
  RegisterClass(&wc);
  pingWindow = CreateWindowEx(0, "PingPong", "", 0, 0, 0, 10, 10, nullptr, 0, nullptr);
  pongWindow = CreateWindowEx(0, "PingPong", "", 0, 0, 0, 10, 10, nullptr, 0, nullptr);
  EXPECT_EQ(SendMessage(pingWindow, WM_APP, 9, 0), 10);
}

TEST_F(MessageRouting, PropertiesAndUserDataStayWithTheWindow) {
  HWND w = makeTop("p", Bounds(0, 0, 50, 50));
  int a = 1, b = 2;
  EXPECT_TRUE(SetProp(w, "ACSBSC", &a));
  EXPECT_EQ(GetProp(w, "ACSBSC"), &a);
  EXPECT_TRUE(SetProp(w, "ACSBSC", &b));
  EXPECT_EQ(GetProp(w, "ACSBSC"), &b);
  EXPECT_EQ(GetProp(w, "OTHER"), nullptr);
  EXPECT_EQ(RemoveProp(w, "ACSBSC"), &b);
  EXPECT_EQ(GetProp(w, "ACSBSC"), nullptr);
  EXPECT_EQ(SetWindowLongPtr(w, GWLP_USERDATA, 77), 0);
  EXPECT_EQ(GetWindowLongPtr(w, GWLP_USERDATA), 77);
}

TEST_F(MessageRouting, TextRoundTripsThroughTheMessagesWithoutCuttingCharacters) {
  HWND w = makeTop("", Bounds(0, 0, 50, 50));
  ASSERT_TRUE(SetWindowText(w, "Волк, коза и капуста"));
  EXPECT_EQ(GetWindowTextString(w), "Волк, коза и капуста");
  char small[4];
  // Room for one two-byte letter only: the second must not be cut in half.
  EXPECT_EQ(GetWindowText(w, small, sizeof small), 2);
  EXPECT_EQ(std::string(small), "В");
}

TEST_F(MessageRouting, PostedMessagesArriveInOrderAndQuitEndsTheLoop) {
  HWND w = makeTop("q", Bounds(0, 0, 50, 50));
  clearLog();
  PostMessage(w, WM_APP + 1, 0, 0);
  PostMessage(w, WM_APP + 2, 0, 0);
  PostQuitMessage(3);
  PostMessage(w, WM_APP + 3, 0, 0);  // posted after the quit: still delivered first
  MSG msg;
  int dispatched = 0;
  while (GetMessage(&msg, nullptr, 0, 0)) {
    DispatchMessage(&msg);
    ++dispatched;
  }
  EXPECT_EQ(msg.message, WM_QUIT);
  EXPECT_EQ(msg.wParam, 3u);
  EXPECT_EQ(messagesOf(w, {WM_APP + 1, WM_APP + 2, WM_APP + 3}), (std::vector<UINT>{WM_APP + 1, WM_APP + 2, WM_APP + 3}));
}

// ---- modal loops

HWND modalOwner = nullptr;
HWND outerModal = nullptr;
HWND innerModal = nullptr;
std::vector<std::string> modalEvents;
int innerResult = 0;

LRESULT modalProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER && hwnd == outerModal) {
    KillTimer(hwnd, 1);
    if (!innerModal) {
      modalEvents.push_back(IsWindowEnabled(modalOwner) ? "owner enabled" : "owner disabled");
      innerModal = CreateWindowEx(0, "Modal", "inner", WS_POPUP | WS_CAPTION, 50, 50, 100, 80, outerModal, 0, nullptr);
      SetTimer(innerModal, 1, 500, nullptr);
      innerResult = RunModalLoop(innerModal);
      modalEvents.push_back("inner returned " + std::to_string(innerResult));
      modalEvents.push_back(IsWindowEnabled(outerModal) ? "outer enabled" : "outer disabled");
      DestroyWindow(innerModal);
      SetTimer(hwnd, 1, 100, nullptr);
    } else {
      EndModalLoop(hwnd, 5);
    }
    return 0;
  }
  if (msg == WM_TIMER && hwnd == innerModal) {
    modalEvents.push_back(IsWindowEnabled(outerModal) ? "outer enabled" : "outer disabled");
    KillTimer(hwnd, 1);
    EndModalLoop(hwnd, 7);
    return 0;
  }
  return DefWindowProc(hwnd, msg, wParam, lParam);
}

TEST_F(MessageRouting, ModalLoopsNestAndDisableTheirOwners) {
  WNDCLASS wc;
  wc.lpfnWndProc = modalProc;
  wc.lpszClassName = "Modal";
  RegisterClass(&wc);
  modalOwner = makeTop("owner", Bounds(0, 0, 300, 300));
  outerModal = CreateWindowEx(0, "Modal", "outer", WS_POPUP | WS_CAPTION, 20, 20, 200, 150, modalOwner, 0, nullptr);
  innerModal = nullptr;
  modalEvents.clear();
  SetTimer(outerModal, 1, 1000, nullptr);
  const int outer = RunModalLoop(outerModal);
  EXPECT_EQ(outer, 5);
  EXPECT_EQ(modalEvents, (std::vector<std::string>{"owner disabled", "outer disabled", "inner returned 7", "outer enabled"}));
  EXPECT_TRUE(IsWindowEnabled(modalOwner));
  EXPECT_EQ(GetActiveWindow(), modalOwner);
}

TEST_F(MessageRouting, AQuitInsideAModalLoopEndsItAndReachesTheOuterLoop) {
  HWND owner = makeTop("owner", Bounds(0, 0, 300, 300));
  HWND modal = CreateWindowEx(0, "TestWindow", "m", WS_POPUP, 10, 10, 50, 50, owner, 0, nullptr);
  PostQuitMessage(9);
  EXPECT_EQ(RunModalLoop(modal), IDCANCEL);
  EXPECT_TRUE(IsWindowEnabled(owner));
  MSG msg;
  EXPECT_FALSE(GetMessage(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.wParam, 9u);
}

TEST_F(MessageRouting, DestroyingTheModalWindowEndsItsLoop) {
  HWND owner = makeTop("owner", Bounds(0, 0, 300, 300));
  HWND modal = CreateWindowEx(0, "TestWindow", "m", WS_POPUP, 10, 10, 50, 50, owner, 0, nullptr);
  SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR, DWORD) {
    for (HWND top = GetTopWindow(nullptr); top; top = GetWindow(top, GW_HWNDNEXT))
      if (GetWindowTextString(top) == "m") {
        DestroyWindow(top);
        break;
      }
  });
  EXPECT_EQ(RunModalLoop(modal), IDCANCEL);
  EXPECT_FALSE(IsWindow(modal));
  EXPECT_TRUE(IsWindowEnabled(owner));
}

}  // namespace
