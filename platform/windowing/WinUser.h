#pragma once
// The windowing API: windows, classes, messages, painting, input, timers,
// hooks, scroll bars and system queries, named and numbered after the classic
// desktop API. Every function taking an HWND validates it first: a destroyed
// or made-up handle gives the documented failure result, never a crash.
// Everything runs on the one user-interface thread.
#include <memory>
#include <string>

#include "platform/Bitmap.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/windowing/WinMessages.h"
#include "platform/windowing/WinStyles.h"
#include "platform/windowing/WinTypes.h"

constexpr int CW_USEDEFAULT = static_cast<int>(0x80000000);

// ---- window classes
// Registers a class by name; answers 0 when the name is taken or missing.
ATOM RegisterClass(const WNDCLASS* wc);
BOOL UnregisterClass(const char* className);
BOOL GetClassInfo(const char* className, WNDCLASS* out);

// ---- creating and destroying windows
// `id` is the child id (the classic hMenu slot). Answers nullptr when the
// class is unknown, the parent invalid, a CBT hook refuses, or WM_NCCREATE /
// WM_CREATE fail.
HWND CreateWindowEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, LONG_PTR id, void* createParams);
// Children first; each window gets WM_DESTROY then WM_NCDESTROY. Safe from
// inside the window's own procedure: the handle is dead at once, the memory
// goes when the outermost message dispatch returns.
BOOL DestroyWindow(HWND hwnd);
BOOL IsWindow(HWND hwnd);

// ---- the window tree
HWND GetParent(HWND hwnd);  // the parent of a child, the owner of a pop-up
HWND SetParent(HWND child, HWND newParent);
HWND GetWindow(HWND hwnd, UINT relation);
HWND GetTopWindow(HWND hwnd);  // nullptr: the topmost top-level window
HWND GetAncestorRoot(HWND hwnd);  // the top-level window holding hwnd
BOOL IsChild(HWND parent, HWND hwnd);
BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam);  // all descendants, depth first
BOOL EnumThreadWindows(DWORD threadId, WNDENUMPROC proc, LPARAM lParam);  // top-level windows
DWORD GetCurrentThreadId();

// ---- window data
int GetClassName(HWND hwnd, char* buffer, int size);
std::string GetClassNameString(HWND hwnd);
int GetWindowText(HWND hwnd, char* buffer, int size);  // through WM_GETTEXT
int GetWindowTextLength(HWND hwnd);
std::string GetWindowTextString(HWND hwnd);
BOOL SetWindowText(HWND hwnd, const char* text);  // through WM_SETTEXT
// The icon of a top-level window: shown by the default frame in the caption
// and handed to the desktop. A 32-bit picture whose fourth byte is alpha;
// the window keeps a copy. nullptr removes it.
BOOL SetWindowIcon(HWND hwnd, const Bitmap* icon);
// The window's icon as set, or null.
std::shared_ptr<const Bitmap> GetWindowIcon(HWND hwnd);
LONG_PTR GetWindowLongPtr(HWND hwnd, int index);
// GWLP_WNDPROC answers the previous procedure (subclassing); GWL_STYLE and
// GWL_EXSTYLE send WM_STYLECHANGING / WM_STYLECHANGED.
LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value);
BOOL SetProp(HWND hwnd, const char* name, HANDLE data);
HANDLE GetProp(HWND hwnd, const char* name);
HANDLE RemoveProp(HWND hwnd, const char* name);

// ---- messages
LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Synchronous and re-entrant; 0 for an invalid handle.
LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// nullptr posts a thread message (handed to GetMessage with no window).
BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
// Order of delivery: posted messages and input, then WM_QUIT, then painting,
// then due timers; with nothing to do it sleeps in the backend until the next
// input or timer deadline. Answers 0 for WM_QUIT.
BOOL GetMessage(MSG* msg, HWND filter, UINT min, UINT max);
constexpr UINT PM_NOREMOVE = 0;
constexpr UINT PM_REMOVE = 1;
BOOL PeekMessage(MSG* msg, HWND filter, UINT min, UINT max, UINT removeFlags);
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessage(const MSG* msg);
BOOL WaitMessage();
// Shows hwnd and runs a nested message loop until EndModalLoop(hwnd) or
// hwnd's destruction, with hwnd's owner disabled meanwhile; then enables the
// owner, hides hwnd and gives the owner the activation back. A WM_QUIT seen inside is posted again
// for the outer loop. Answers the code given to EndModalLoop (IDCANCEL when
// the window went away).
int RunModalLoop(HWND hwnd);
BOOL EndModalLoop(HWND hwnd, int result);

// ---- position, size and state
BOOL GetWindowRect(HWND hwnd, RECT* rect);  // screen coordinates
BOOL GetClientRect(HWND hwnd, RECT* rect);  // (0, 0, width, height)
// hwnd's client-area origin relative to its window rectangle.
BOOL GetClientOffset(HWND hwnd, POINT* offset);
BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
// The platform asks the window for its frame again (WM_NCCALCSIZE) and
// repaints it; the window keeps its place, size, stacking and activation.
void ChangeFrame(HWND hwnd);
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
BOOL ShowWindow(HWND hwnd, int command);  // answers whether it was visible before
BOOL IsWindowVisible(HWND hwnd);          // it and all its ancestors
BOOL IsIconic(HWND hwnd);
BOOL IsZoomed(HWND hwnd);
BOOL EnableWindow(HWND hwnd, BOOL enable);  // answers whether it was disabled before
BOOL IsWindowEnabled(HWND hwnd);
BOOL BringWindowToTop(HWND hwnd);
BOOL ClientToScreen(HWND hwnd, POINT* point);
BOOL ScreenToClient(HWND hwnd, POINT* point);
int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count);  // nullptr = screen
HWND WindowFromPoint(POINT screenPoint);
HWND ChildWindowFromPoint(HWND parent, POINT clientPoint);
BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD exStyle);
// The narrowest window width at which hwnd's frame shows its whole title
// beside the icon and the title buttons (0 without a caption), as a desktop
// message box sizes itself to its title.
int GetTitleFitWidth(HWND hwnd);

// ---- painting
BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);  // rect in client coordinates, nullptr = all
BOOL InvalidateRgn(HWND hwnd, const Region* rgn, BOOL erase);  // client coordinates
BOOL ValidateRect(HWND hwnd, const RECT* rect);
BOOL UpdateWindow(HWND hwnd);
// rect and rgn in client coordinates; neither: the whole window.
BOOL RedrawWindow(HWND hwnd, const RECT* rect, const Region* rgn, UINT flags);
BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL erase);

struct PAINTSTRUCT {
  HDC hdc = nullptr;
  BOOL fErase = FALSE;
  RECT rcPaint{};
};
HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps);
HDC GetDC(HWND hwnd);        // client area, clipped to what is visible
HDC GetWindowDC(HWND hwnd);  // whole window, frame included
int ReleaseDC(HWND hwnd, HDC dc);
// The window's shape (window coordinates, copied); nullptr removes it.
// Outside the shape nothing is painted and nothing is hit.
int SetWindowRgn(HWND hwnd, const Region* rgn, BOOL redraw);
// Copies the window region into `rgn`; answers the region kind, 0 (RGN_ERROR)
// when the window has none.
int GetWindowRgn(HWND hwnd, Region* rgn);
// A layered window's picture: 32-bit premultiplied BGRA of the window's size,
// shown with a constant opacity on top. Moves/resizes when pos/size are given.
BOOL UpdateLayeredWindow(HWND hwnd, const POINT* screenPos, const SIZE* size, const Bitmap* picture, BYTE alpha);
BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF key, BYTE alpha, DWORD flags);
BOOL GetLayeredWindowAttributes(HWND hwnd, COLORREF* key, BYTE* alpha, DWORD* flags);
// Sends WM_PRINT (frame, client, children) with a context over `target`.
BOOL PrintWindow(HWND hwnd, HDC target);
// The screen as the user sees it, composed from the program's own windows
// (24-bit); the area outside every window is the desktop colour.
Bitmap CaptureScreen(const RECT& screenRect);

// ---- input, focus, activation
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();
// While set, every key and typed character goes to this window instead of
// the focus window, whoever takes it from the queue (an open pop-up menu,
// even while a timer handler runs a loop of its own). Answers the previous
// grab; nullptr ends it.
HWND SetKeyboardGrab(HWND hwnd);
HWND SetFocus(HWND hwnd);
HWND GetFocus();
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
BOOL SetForegroundWindow(HWND hwnd);
HWND GetForegroundWindow();
BOOL TrackMouseEvent(TRACKMOUSEEVENT* tme);
// High bit set while the key is down; low bit toggles on each press.
short GetKeyState(int virtualKey);
short GetAsyncKeyState(int virtualKey);
BOOL GetCursorPos(POINT* point);
int SetCursor(int cursorId);  // answers the previous cursor id
UINT GetDoubleClickTime();
// Called whenever the window under the mouse changes (either may be nullptr):
// the framework turns this into its mouse-enter and mouse-leave notices.
using MouseTransitionHook = void (*)(HWND left, HWND entered);
MouseTransitionHook SetMouseTransitionHook(MouseTransitionHook hook);

// ---- timers
// Re-arming an existing (window, id) pair restarts it. Timers are delivered
// only when no other message is waiting. Answers the id (0 on failure).
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc);
BOOL KillTimer(HWND hwnd, UINT_PTR id);
// Milliseconds of the backend's monotonic clock (virtual in the headless one).
DWORD GetTickCount();
// Blocks the thread for ms milliseconds of the layer's clock.
void Sleep(DWORD ms);

// ---- the thread's hooks (WH_CBT only)
HHOOK SetWindowsHookEx(int idHook, HOOKPROC proc, void* module, DWORD threadId);
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);
BOOL UnhookWindowsHookEx(HHOOK hook);

// ---- scroll bars of windows with WS_HSCROLL / WS_VSCROLL
// Position is kept within [nMin, nMax - max(nPage - 1, 0)]; answers the new position.
int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw);
BOOL GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info);
BOOL GetScrollBarInfo(HWND hwnd, LONG idObject, SCROLLBARINFO* info);
int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw);
int GetScrollPos(HWND hwnd, int bar);
BOOL SetScrollRange(HWND hwnd, int bar, int min, int max, BOOL redraw);
BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show);
BOOL EnableScrollBar(HWND hwnd, UINT bar, UINT arrows);
// Flat scroll bars do not exist here; both succeed and change nothing.
BOOL InitializeFlatSB(HWND hwnd);
BOOL UninitializeFlatSB(HWND hwnd);

// ---- system
int GetSystemMetrics(int index);
std::string GetClipboardText();
BOOL SetClipboardText(const std::string& utf8);
// Opens a link with the desktop's handler (recorded only by the headless backend).
BOOL OpenURL(const std::string& url);
BOOL MessageBeep(UINT type);
