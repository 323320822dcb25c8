// The window API: classes, creation, the tree, window data and placement.
#include <algorithm>
#include <cstring>

#include "platform/windowing/InputRouter.h"
#include "platform/windowing/PaintScheduler.h"
#include "platform/windowing/WinUser.h"
#include "platform/windowing/WindowManager.h"
#include "platform/windowing/nonclient/DefaultFrame.h"

// ---- classes

ATOM RegisterClass(const WNDCLASS* wc) {
  static ATOM next = 0xC000;
  if (!wc || !wm().registerClass(*wc)) return 0;
  return next++;
}

BOOL UnregisterClass(const char* className) { return className && wm().unregisterClass(className); }

BOOL GetClassInfo(const char* className, WNDCLASS* out) {
  const auto cls = className ? wm().findClass(className) : nullptr;
  if (!cls || !out) return FALSE;
  out->style = cls->style;
  out->lpfnWndProc = cls->proc;
  out->background = cls->background;
  out->cursor = cls->cursor;
  out->lpszClassName = cls->name.c_str();
  return TRUE;
}

// ---- creation

HWND CreateWindowEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, LONG_PTR id, void* createParams) {
  return wm().create(exStyle, className, windowName, style, x, y, width, height, parent, id, createParams);
}

BOOL DestroyWindow(HWND hwnd) { return wm().destroy(hwnd); }
BOOL IsWindow(HWND hwnd) { return wm().find(hwnd) != nullptr; }

// ---- tree

HWND GetParent(HWND hwnd) {
  Window* w = wm().find(hwnd);
  if (!w) return nullptr;
  return w->isChild() ? w->parent : w->owner;
}

HWND SetParent(HWND child, HWND newParent) {
  Window* w = wm().find(child);
  Window* p = wm().find(newParent);
  if (!w || !p || !w->isChild() || child == newParent || IsChild(child, newParent)) return nullptr;
  if (wm().rootOf(child) != wm().rootOf(newParent)) return nullptr;  // pictures are per top-level window
  const HWND previous = w->parent;
  wm().painter().invalidateUnder(w);
  if (Window* old = wm().find(previous)) std::erase(old->children, child);
  w->parent = newParent;
  p->children.insert(p->children.begin(), child);
  wm().painter().invalidateWindowArea(w);
  return previous;
}

HWND GetWindow(HWND hwnd, UINT relation) {
  Window* w = wm().find(hwnd);
  if (!w) return nullptr;
  if (relation == GW_CHILD) return w->children.empty() ? nullptr : w->children.front();
  if (relation == GW_OWNER) return w->isChild() ? nullptr : w->owner;
  const std::vector<HWND>* siblings = wm().siblingsOf(w);
  if (!siblings || siblings->empty()) return nullptr;
  const auto it = std::find(siblings->begin(), siblings->end(), hwnd);
  switch (relation) {
    case GW_HWNDFIRST: return siblings->front();
    case GW_HWNDLAST: return siblings->back();
    case GW_HWNDNEXT: return it == siblings->end() || it + 1 == siblings->end() ? nullptr : *(it + 1);
    case GW_HWNDPREV: return it == siblings->begin() || it == siblings->end() ? nullptr : *(it - 1);
    default: return nullptr;
  }
}

HWND GetTopWindow(HWND hwnd) {
  if (!hwnd) return wm().topLevels().empty() ? nullptr : wm().topLevels().front();
  return GetWindow(hwnd, GW_CHILD);
}

HWND GetAncestorRoot(HWND hwnd) { return wm().rootOf(hwnd); }

BOOL IsChild(HWND parent, HWND hwnd) {
  Window* w = wm().find(hwnd);
  while (w && w->isChild()) {
    if (w->parent == parent) return TRUE;
    w = wm().find(w->parent);
  }
  return FALSE;
}

namespace {
bool enumDescendants(HWND parent, WNDENUMPROC proc, LPARAM lParam) {
  Window* w = wm().find(parent);
  if (!w) return true;
  for (HWND child : std::vector<HWND>(w->children)) {
    if (!wm().find(child)) continue;
    if (!proc(child, lParam)) return false;
    if (!enumDescendants(child, proc, lParam)) return false;
  }
  return true;
}
}  // namespace

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam) {
  if (!proc || !wm().find(parent)) return FALSE;
  enumDescendants(parent, proc, lParam);
  return TRUE;
}

BOOL EnumThreadWindows(DWORD, WNDENUMPROC proc, LPARAM lParam) {
  if (!proc) return FALSE;
  for (HWND top : std::vector<HWND>(wm().topLevels()))
    if (wm().find(top) && !proc(top, lParam)) break;
  return TRUE;
}

DWORD GetCurrentThreadId() { return 1; }

// ---- window data

namespace {
int copyOut(const std::string& text, char* buffer, int size) {
  if (!buffer || size <= 0) return 0;
  const int n = std::min(static_cast<int>(text.size()), size - 1);
  std::memcpy(buffer, text.data(), static_cast<std::size_t>(n));
  buffer[n] = '\0';
  return n;
}
}  // namespace

int GetClassName(HWND hwnd, char* buffer, int size) {
  Window* w = wm().find(hwnd);
  return w && w->windowClass ? copyOut(w->windowClass->name, buffer, size) : 0;
}

std::string GetClassNameString(HWND hwnd) {
  Window* w = wm().find(hwnd);
  return w && w->windowClass ? w->windowClass->name : std::string();
}

int GetWindowText(HWND hwnd, char* buffer, int size) {
  if (!wm().find(hwnd) || !buffer || size <= 0) return 0;
  return static_cast<int>(SendMessage(hwnd, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLength(HWND hwnd) { return static_cast<int>(SendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0)); }

std::string GetWindowTextString(HWND hwnd) {
  const int length = GetWindowTextLength(hwnd);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int got = GetWindowText(hwnd, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(got, 0)));
  return text;
}

BOOL SetWindowText(HWND hwnd, const char* text) {
  if (!wm().find(hwnd)) return FALSE;
  return SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) ? TRUE : FALSE;
}

std::shared_ptr<const Bitmap> GetWindowIcon(HWND hwnd) {
  Window* w = wm().find(hwnd);
  return w ? w->icon : nullptr;
}

BOOL SetWindowIcon(HWND hwnd, const Bitmap* icon) {
  Window* w = wm().find(hwnd);
  if (!w || (icon && icon->format() != PixelFormat::Bgrx32)) return FALSE;
  w->icon = icon && !icon->empty() ? std::make_shared<const Bitmap>(*icon) : nullptr;
  if (w->icon && w->isTopLevel() && w->native && wm().hasBackend()) wm().backend().setIcon(w->native, *w->icon);
  wm().painter().invalidate(w, &w->update, false, true, false);
  return TRUE;
}

LONG_PTR GetWindowLongPtr(HWND hwnd, int index) {
  Window* w = wm().find(hwnd);
  if (!w) return 0;
  switch (index) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_USERDATA: return w->userData;
    case GWLP_ID: return w->id;
    case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(w->isChild() ? w->parent : w->owner);
    case GWL_STYLE: return static_cast<LONG_PTR>(w->style);
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(w->exStyle);
    default: return 0;
  }
}

LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value) { return wm().setLong(hwnd, index, value); }

BOOL SetProp(HWND hwnd, const char* name, HANDLE data) {
  Window* w = wm().find(hwnd);
  if (!w || !name) return FALSE;
  for (auto& [key, value] : w->props)
    if (key == name) {
      value = data;
      return TRUE;
    }
  w->props.emplace_back(name, data);
  return TRUE;
}

HANDLE GetProp(HWND hwnd, const char* name) {
  Window* w = wm().find(hwnd);
  return w && name ? w->prop(name) : nullptr;
}

HANDLE RemoveProp(HWND hwnd, const char* name) {
  Window* w = wm().find(hwnd);
  if (!w || !name) return nullptr;
  const auto it = std::find_if(w->props.begin(), w->props.end(), [name](const auto& p) { return p.first == name; });
  if (it == w->props.end()) return nullptr;
  const HANDLE data = it->second;
  w->props.erase(it);
  return data;
}

// ---- position, size and state

BOOL GetWindowRect(HWND hwnd, RECT* rect) {
  Window* w = wm().find(hwnd);
  if (!w || !rect) return FALSE;
  *rect = wm().screenRect(w);
  return TRUE;
}

BOOL GetClientRect(HWND hwnd, RECT* rect) {
  Window* w = wm().find(hwnd);
  if (!w || !rect) return FALSE;
  *rect = Bounds(0, 0, w->client.Width(), w->client.Height());
  return TRUE;
}

BOOL GetClientOffset(HWND hwnd, POINT* offset) {
  Window* w = wm().find(hwnd);
  if (!w || !offset) return FALSE;
  *offset = w->client.TopLeft();
  return TRUE;
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  return wm().setWindowPos(hwnd, insertAfter, x, y, cx, cy, flags);
}

void ChangeFrame(HWND hwnd) {
  wm().setWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
  return wm().setWindowPos(hwnd, nullptr, x, y, width, height,
                           SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL ShowWindow(HWND hwnd, int command) { return wm().show(hwnd, command); }

BOOL IsWindowVisible(HWND hwnd) {
  Window* w = wm().find(hwnd);
  return w && wm().isVisible(w);
}

BOOL IsIconic(HWND hwnd) {
  Window* w = wm().find(hwnd);
  return w && w->minimized;
}

BOOL IsZoomed(HWND hwnd) {
  Window* w = wm().find(hwnd);
  return w && w->maximized;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) { return wm().enable(hwnd, enable != 0); }

BOOL IsWindowEnabled(HWND hwnd) {
  Window* w = wm().find(hwnd);
  return w && !(w->style & WS_DISABLED);
}

BOOL BringWindowToTop(HWND hwnd) {
  Window* w = wm().find(hwnd);
  if (!w) return FALSE;
  if (w->isTopLevel() && wm().isVisible(w)) wm().setActive(hwnd, false);
  else wm().bringToTop(w);
  return TRUE;
}

namespace {
// Screen position of the client area's origin.
bool clientOrigin(HWND hwnd, POINT* origin) {
  Window* w = wm().find(hwnd);
  if (!w) return false;
  const POINT o = wm().screenOrigin(w);
  *origin = {o.X + w->client.Left, o.Y + w->client.Top};
  return true;
}
}  // namespace

BOOL ClientToScreen(HWND hwnd, POINT* point) {
  POINT o;
  if (!point || !clientOrigin(hwnd, &o)) return FALSE;
  point->X += o.X;
  point->Y += o.Y;
  return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* point) {
  POINT o;
  if (!point || !clientOrigin(hwnd, &o)) return FALSE;
  point->X -= o.X;
  point->Y -= o.Y;
  return TRUE;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count) {
  POINT a{0, 0}, b{0, 0};
  if ((from && !clientOrigin(from, &a)) || (to && !clientOrigin(to, &b))) return 0;
  const int dx = a.X - b.X, dy = a.Y - b.Y;
  for (UINT i = 0; points && i < count; ++i) {
    points[i].X += dx;
    points[i].Y += dy;
  }
  return MAKELPARAM(dx, dy);
}

HWND WindowFromPoint(POINT screenPoint) {
  int hit = HTNOWHERE;
  return wm().input().windowFromPoint(screenPoint, &hit);
}

HWND ChildWindowFromPoint(HWND parent, POINT clientPoint) {
  Window* w = wm().find(parent);
  if (!w) return nullptr;
  if (!Bounds(0, 0, w->client.Width(), w->client.Height()).Contains(clientPoint)) return nullptr;
  for (HWND child : w->children) {
    Window* c = wm().find(child);
    if (!c || !c->rect.Contains(clientPoint)) continue;
    const POINT inChild{clientPoint.X - c->rect.Left, clientPoint.Y - c->rect.Top};
    if (c->region && !c->region->contains(inChild.X, inChild.Y)) continue;
    return child;
  }
  return parent;
}

int GetTitleFitWidth(HWND hwnd) {
  const Window* w = wm().find(hwnd);
  return w ? DefaultFrame::titleFitWidth(*w) : 0;
}

BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL, DWORD exStyle) {
  if (!rect) return FALSE;
  const int border = DefaultFrame::borderWidth(style, exStyle);
  rect->Left -= border;
  rect->Right += border;
  rect->Bottom += border;
  rect->Top -= border + DefaultFrame::captionHeight(style, exStyle);
  return TRUE;
}
