// The thread's CBT hook chain.
#include <string>

#include "WindowingTestSupport.h"

namespace {

class Hooks : public WindowingTest {};

// Hook events go into the message log as 0xF000 + code, so their order
// against the window's own messages can be read off one list.
constexpr UINT kHookBase = 0xF000;
HHOOK firstHook = nullptr;
HHOOK secondHook = nullptr;
std::vector<std::string> hookOrder;
std::string classAtCreate;
bool refuseCreation = false;

LRESULT loggingHook(int code, WPARAM wParam, LPARAM lParam) {
  const LRESULT next = CallNextHookEx(firstHook, code, wParam, lParam);
  WindowingTest::log().push_back({reinterpret_cast<HWND>(wParam), kHookBase + static_cast<UINT>(code), wParam, lParam});
  hookOrder.push_back("first");
  if (code == HCBT_CREATEWND) classAtCreate = GetClassNameString(reinterpret_cast<HWND>(wParam));
  return next;
}

LRESULT outerHook(int code, WPARAM wParam, LPARAM lParam) {
  hookOrder.push_back("second");
  if (code == HCBT_CREATEWND && refuseCreation) return 1;
  return CallNextHookEx(secondHook, code, wParam, lParam);
}

TEST_F(Hooks, TheHookSeesCreationActivationAndDestructionBeforeTheWindowDoes) {
  firstHook = SetWindowsHookEx(WH_CBT, loggingHook, nullptr, GetCurrentThreadId());
  ASSERT_NE(firstHook, nullptr);
  classAtCreate.clear();
  HWND w = makeTop("hooked", Bounds(0, 0, 120, 80));
  DestroyWindow(w);
  const std::vector<UINT> order = messagesOf(w, {kHookBase + HCBT_CREATEWND, WM_NCCREATE, kHookBase + HCBT_ACTIVATE,
                                                 WM_ACTIVATE, kHookBase + HCBT_DESTROYWND, WM_DESTROY});
  // The second WM_ACTIVATE is the deactivation of the window on its way out.
  EXPECT_EQ(order, (std::vector<UINT>{kHookBase + HCBT_CREATEWND, WM_NCCREATE, kHookBase + HCBT_ACTIVATE, WM_ACTIVATE,
                                      kHookBase + HCBT_DESTROYWND, WM_ACTIVATE, WM_DESTROY}));
  // The class is known already when the hook first sees the window.
  EXPECT_EQ(classAtCreate, "TestWindow");
  EXPECT_TRUE(UnhookWindowsHookEx(firstHook));
  EXPECT_FALSE(UnhookWindowsHookEx(firstHook));
}

TEST_F(Hooks, HooksChainNewestFirstAndMayRefuseACreation) {
  firstHook = SetWindowsHookEx(WH_CBT, loggingHook, nullptr, GetCurrentThreadId());
  secondHook = SetWindowsHookEx(WH_CBT, outerHook, nullptr, 0);
  hookOrder.clear();
  refuseCreation = false;
  HWND w = CreateWindowEx(0, "TestWindow", "", WS_POPUP, 0, 0, 10, 10, nullptr, 0, nullptr);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(hookOrder, (std::vector<std::string>{"second", "first"}));

  refuseCreation = true;
  clearLog();
  HWND refused = CreateWindowEx(0, "TestWindow", "", WS_POPUP, 0, 0, 10, 10, nullptr, 0, nullptr);
  EXPECT_EQ(refused, nullptr);
  for (const LoggedMessage& m : log()) EXPECT_NE(m.msg, WM_NCCREATE);

  // Once the outer hook is gone, only the first one runs.
  refuseCreation = false;
  UnhookWindowsHookEx(secondHook);
  hookOrder.clear();
  CreateWindowEx(0, "TestWindow", "", WS_POPUP, 0, 0, 10, 10, nullptr, 0, nullptr);
  EXPECT_EQ(hookOrder, (std::vector<std::string>{"first"}));
}

TEST_F(Hooks, OnlyTheCbtKindExists) {
  EXPECT_EQ(SetWindowsHookEx(2 /* keyboard */, loggingHook, nullptr, 0), nullptr);
  EXPECT_EQ(SetWindowsHookEx(WH_CBT, nullptr, nullptr, 0), nullptr);
}

}  // namespace
