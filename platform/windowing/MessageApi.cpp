// The message API: sending, posting, the loop and modal loops.
#include "platform/windowing/InputRouter.h"
#include "platform/windowing/WinUser.h"
#include "platform/windowing/WindowManager.h"

LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!wm().find(hwnd)) return 0;
  return wm().callProc(proc, hwnd, msg, wParam, lParam);
}

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) { return wm().send(hwnd, msg, wParam, lParam); }

BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (hwnd && !wm().find(hwnd)) return FALSE;
  MSG m;
  m.hwnd = hwnd;
  m.message = msg;
  m.wParam = wParam;
  m.lParam = lParam;
  m.time = static_cast<DWORD>(wm().now());
  m.pt = wm().input().cursor();
  wm().queue().post(m);
  return TRUE;
}

void PostQuitMessage(int exitCode) { wm().queue().postQuit(exitCode); }

BOOL GetMessage(MSG* msg, HWND filter, UINT min, UINT max) {
  if (!msg) return FALSE;
  bool quit = false;
  while (!wm().nextMessage(msg, filter, min, max, true, true, &quit))
    if (quit) return FALSE;
  return TRUE;
}

BOOL PeekMessage(MSG* msg, HWND filter, UINT min, UINT max, UINT removeFlags) {
  if (!msg) return FALSE;
  bool quit = false;
  if (wm().nextMessage(msg, filter, min, max, (removeFlags & PM_REMOVE) != 0, false, &quit)) return TRUE;
  return quit ? TRUE : FALSE;
}

BOOL TranslateMessage(const MSG* msg) {
  if (!msg || msg->message != WM_KEYDOWN) return FALSE;
  // Text arrives as WM_CHAR from the backend's text input; only the keys
  // that produce no text there are translated here.
  const int vk = static_cast<int>(msg->wParam);
  char32_t ch = 0;
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  if (vk == VK_BACK) ch = 8;
  else if (vk == VK_TAB && !ctrl) ch = 9;
  else if (vk == VK_RETURN) ch = 13;
  else if (vk == VK_ESCAPE) ch = 27;
  else if (ctrl && vk >= 'A' && vk <= 'Z') ch = static_cast<char32_t>(vk - 'A' + 1);
  if (!ch) return FALSE;
  PostMessage(msg->hwnd, WM_CHAR, ch, msg->lParam);
  return TRUE;
}

LRESULT DispatchMessage(const MSG* msg) { return msg ? wm().dispatch(*msg) : 0; }

BOOL WaitMessage() {
  MSG msg;
  bool quit = false;
  if (wm().nextMessage(&msg, nullptr, 0, 0, false, false, &quit) || quit) return TRUE;
  const auto deadline = wm().timers().nextDeadline();
  wm().backend().waitForEvents(deadline ? *deadline : UINT64_MAX);
  return TRUE;
}

int RunModalLoop(HWND hwnd) { return wm().runModal(hwnd); }
BOOL EndModalLoop(HWND hwnd, int result) { return wm().endModal(hwnd, result); }
