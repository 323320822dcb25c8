// The input API: capture, focus, activation, mouse tracking and key state.
#include "platform/windowing/InputRouter.h"
#include "platform/windowing/WinUser.h"
#include "platform/windowing/WindowManager.h"

HWND SetCapture(HWND hwnd) { return wm().input().setCapture(hwnd); }
BOOL ReleaseCapture() { return wm().input().releaseCapture(); }
HWND GetCapture() { return wm().input().capture(); }
HWND SetKeyboardGrab(HWND hwnd) { return wm().input().setKeyboardGrab(hwnd); }

HWND SetFocus(HWND hwnd) {
  if (hwnd && !wm().find(hwnd)) return nullptr;
  return wm().setFocus(hwnd);
}
HWND GetFocus() { return wm().focus(); }

HWND SetActiveWindow(HWND hwnd) {
  if (hwnd && !wm().find(hwnd)) return nullptr;
  return wm().setActive(hwnd, false);
}
HWND GetActiveWindow() { return wm().active(); }

BOOL SetForegroundWindow(HWND hwnd) {
  if (!wm().find(hwnd)) return FALSE;
  wm().setActive(hwnd, false);
  return wm().active() == wm().rootOf(hwnd);
}
HWND GetForegroundWindow() { return wm().active(); }

BOOL TrackMouseEvent(TRACKMOUSEEVENT* tme) { return tme && wm().input().trackMouseEvent(*tme); }

short GetKeyState(int virtualKey) { return wm().input().keyState(virtualKey); }
short GetAsyncKeyState(int virtualKey) { return wm().input().keyState(virtualKey); }

BOOL GetCursorPos(POINT* point) {
  if (!point) return FALSE;
  *point = wm().input().cursor();
  return TRUE;
}

int SetCursor(int cursorId) {
  static int current = IDC_ARROW;
  const int previous = current;
  if (cursorId == 0) cursorId = IDC_ARROW;
  if (cursorId != current && wm().hasBackend()) wm().backend().setCursor(cursorId);
  current = cursorId;
  return previous;
}

UINT GetDoubleClickTime() { return 500; }

MouseTransitionHook SetMouseTransitionHook(MouseTransitionHook hook) { return wm().input().setTransitionHook(hook); }
