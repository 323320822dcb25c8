// The timer and hook API.
#include "platform/windowing/WinUser.h"
#include "platform/windowing/WindowManager.h"

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc) {
  if (hwnd && !wm().find(hwnd)) return 0;
  return wm().timers().set(hwnd, id, elapseMs, proc, wm().now());
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
  if (hwnd && !wm().find(hwnd)) return FALSE;
  return wm().timers().kill(hwnd, id);
}

DWORD GetTickCount() { return static_cast<DWORD>(wm().now()); }

void Sleep(DWORD ms) {
  if (!wm().hasBackend()) return;
  // Waits without dispatching anything; input that arrives meanwhile stays
  // queued. On the headless backend the virtual clock jumps ahead.
  const std::uint64_t deadline = wm().now() + ms;
  while (wm().now() < deadline) wm().backend().waitForEvents(deadline);
}

HHOOK SetWindowsHookEx(int idHook, HOOKPROC proc, void*, DWORD threadId) {
  // Only the user-interface thread's own CBT hook exists here.
  if (idHook != WH_CBT || (threadId != 0 && threadId != GetCurrentThreadId())) return nullptr;
  return wm().hooks().add(proc);
}

LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
  return wm().hooks().callNext(hook, code, wParam, lParam);
}

BOOL UnhookWindowsHookEx(HHOOK hook) { return wm().hooks().remove(hook); }
