#include "platform/controls/PopupMenuWindow.h"

#include <algorithm>

#include "platform/controls/ControlMessages.h"
#include "platform/controls/ControlPainter.h"
#include "platform/controls/StandardClasses.h"
#include "platform/controls/TextCase.h"

namespace {
const std::vector<MenuItem>* pendingItems = nullptr;  // handed to the window being created

// The text before the tab and the right-aligned part after it.
std::pair<std::string, std::string> splitAtTab(const std::string& text) {
  const auto tab = text.find('\t');
  if (tab == std::string::npos) return {text, ""};
  return {text.substr(0, tab), text.substr(tab + 1)};
}

// The letter after a single "&", folded, or 0.
char32_t keyLetter(const std::string& text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] == '&') {
      ++i;
      continue;
    }
    const std::u32string rest = TextCase::fold(std::string_view(text).substr(i + 1));
    return rest.empty() ? 0 : rest[0];
  }
  return 0;
}
}  // namespace

PopupMenuWindow::PopupMenuWindow(HWND hwnd, const CREATESTRUCT&) : StandardControl(hwnd) {
  if (pendingItems) items_ = *pendingItems;
}

void PopupMenuWindow::registerClass() {
  WNDCLASS wc;
  wc.style = CS_SAVEBITS | CS_DROPSHADOW;
  wc.lpfnWndProc = &StandardControl::ControlProc<PopupMenuWindow>;
  wc.lpszClassName = WC_POPUPMENU;
  RegisterClass(&wc);
}

int PopupMenuWindow::itemHeight(const MenuItem& item) const {
  return item.separator() ? kSeparatorHeight : lineHeight() + 6;
}

SIZE PopupMenuWindow::preferredSize() const {
  Bitmap scratch(1, 1);
  DeviceContext dc(scratch);
  SelectObject(&dc, font());
  int textWidth = 0;
  int shortcutWidth = 0;
  int height = 2 * kFrame;
  for (const MenuItem& item : items_) {
    height += itemHeight(item);
    if (item.separator()) continue;
    const auto [text, shortcut] = splitAtTab(item.text);
    TRect r;
    DrawText(&dc, text, r, DT_SINGLELINE | DT_CALCRECT);
    textWidth = std::max(textWidth, r.Width());
    if (!shortcut.empty()) {
      TRect s;
      DrawText(&dc, shortcut, s, DT_SINGLELINE | DT_CALCRECT);
      shortcutWidth = std::max(shortcutWidth, s.Width() + 16);
    }
  }
  return {2 * kFrame + kCheckColumn + textWidth + shortcutWidth + kCheckColumn, height};
}

RECT PopupMenuWindow::itemRect(int index) const {
  const RECT c = clientRect();
  int top = kFrame;
  for (int i = 0; i < index; ++i) top += itemHeight(items_[i]);
  return Rect(kFrame, top, c.Right - kFrame, top + itemHeight(items_[index]));
}

int PopupMenuWindow::itemAt(POINT client) const {
  for (int i = 0; i < static_cast<int>(items_.size()); ++i)
    if (itemRect(i).Contains(client)) return items_[i].separator() ? -1 : i;
  return -1;
}

void PopupMenuWindow::setHot(int index) {
  if (index == hot_) return;
  hot_ = index;
  invalidate();
  if (const HWND owner = GetParent(hwnd()); owner && hot_ >= 0)
    SendMessage(owner, WM_MENUSELECT, MAKEWPARAM(static_cast<int>(items_[hot_].id), items_[hot_].flags & 0xFFFF), 0);
}

void PopupMenuWindow::moveHot(int direction) {
  const int count = static_cast<int>(items_.size());
  int i = hot_;
  for (int step = 0; step < count; ++step) {
    i = i < 0 ? (direction > 0 ? 0 : count - 1) : (i + direction + count) % count;
    if (!items_[i].separator()) {
      setHot(i);
      return;
    }
  }
}

void PopupMenuWindow::choose(int index) {
  if (index < 0 || !items_[index].enabled()) return;
  result_ = items_[index].id;
  done_ = true;
}

void PopupMenuWindow::cancel() {
  result_ = 0;
  done_ = true;
}

bool PopupMenuWindow::onKey(WPARAM key) {
  switch (key) {
    case VK_UP: moveHot(-1); return true;
    case VK_DOWN: moveHot(1); return true;
    case VK_HOME: hot_ = -1; moveHot(1); return true;
    case VK_END: hot_ = -1; moveHot(-1); return true;
    case VK_RETURN:
    case VK_SPACE: choose(hot_); return true;
    case VK_ESCAPE:
    case VK_LEFT:
    case VK_MENU:
    case VK_F10: cancel(); return true;
    default: return false;
  }
}

bool PopupMenuWindow::onChar(char32_t ch) {
  const char32_t wanted = TextCase::fold(ch);
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    if (items_[i].separator() || keyLetter(items_[i].text) != wanted) continue;
    setHot(i);
    choose(i);
    return true;
  }
  return false;
}

LRESULT PopupMenuWindow::handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  const POINT p = Point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
  switch (msg) {
    case WM_MOUSEACTIVATE: return 3;  // MA_NOACTIVATE: the owner keeps the keyboard
    case WM_MOUSEMOVE: {
      const int at = itemAt(p);
      if (at >= 0 || !clientRect().Contains(p)) setHot(at >= 0 ? at : hot_);
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      if (!clientRect().Contains(p)) cancel();
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
      if (clientRect().Contains(p)) choose(itemAt(p));
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd()) cancel();
      return 0;
    case WM_CANCELMODE: cancel(); return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: onKey(wParam); return 0;
    case WM_CHAR: onChar(static_cast<char32_t>(wParam)); return 0;
    case MN_GETITEMCOUNT: return static_cast<LRESULT>(items_.size());
    case MN_GETHOTITEM: return hot_;
    case MN_GETITEMINFO:
    case MN_GETITEMRECT: {
      const auto index = static_cast<std::size_t>(wParam);
      if (index >= items_.size() || lParam == 0) return FALSE;
      if (msg == MN_GETITEMINFO) *reinterpret_cast<MenuItem*>(lParam) = items_[index];
      else *reinterpret_cast<RECT*>(lParam) = itemRect(static_cast<int>(index));
      return TRUE;
    }
    default: return defaultHandle(msg, wParam, lParam);
  }
}

void PopupMenuWindow::paint(HDC dc) {
  RECT client = clientRect();
  const int saved = SaveDC(dc);
  SelectObject(dc, font());
  SetBkMode(dc, TRANSPARENT);
  FillRect(dc, client, clMenu);
  DrawEdge(dc, client, EDGE_RAISED, BF_RECT);
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    const MenuItem& item = items_[i];
    const RECT r = itemRect(i);
    if (item.separator()) {
      RECT line = Rect(r.Left + 1, r.Top + r.Height() / 2 - 1, r.Right - 1, r.Top + r.Height() / 2 + 1);
      DrawEdge(dc, line, EDGE_ETCHED, BF_TOP);
      continue;
    }
    const bool hot = i == hot_;
    if (hot) FillRect(dc, r, clHighlight);
    const TColor color = !item.enabled() ? clGrayText : hot ? clHighlightText : clMenuText;
    if (item.checked()) ControlPainter::tick(dc, Rect(r.Left, r.Top, r.Left + kCheckColumn, r.Bottom), color);
    const auto [text, shortcut] = splitAtTab(item.text);
    SetTextColor(dc, color);
    TRect textRect = Rect(r.Left + kCheckColumn, r.Top, r.Right - kCheckColumn, r.Bottom);
    DrawText(dc, text, textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (!shortcut.empty()) DrawText(dc, shortcut, textRect, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
  }
  RestoreDC(dc, saved);
}

UINT_PTR PopupMenuWindow::track(const std::vector<MenuItem>& items, UINT flags, POINT at, HWND owner) {
  RegisterStandardClasses();
  if (owner && !IsWindow(owner)) owner = nullptr;
  pendingItems = &items;
  const HWND popup = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST, WC_POPUPMENU, "", WS_POPUP,
                                    0, 0, 1, 1, owner, 0, nullptr);
  pendingItems = nullptr;
  if (!popup) return 0;
  auto* self = static_cast<PopupMenuWindow*>(static_cast<StandardControl*>(GetProp(popup, kStandardControlProp)));
  const SIZE size = self->preferredSize();

  // Aligned to the point as asked, then flipped or pushed to stay on the screen.
  int x = at.X;
  int y = at.Y;
  if (flags & TPM_RIGHTALIGN) x -= size.cx;
  else if (flags & TPM_CENTERALIGN) x -= size.cx / 2;
  if (flags & TPM_BOTTOMALIGN) y -= size.cy;
  else if (flags & TPM_VCENTERALIGN) y -= size.cy / 2;
  const int screenW = GetSystemMetrics(SM_CXSCREEN);
  const int screenH = GetSystemMetrics(SM_CYSCREEN);
  if (x + size.cx > screenW) x = std::max(0, at.X - size.cx);
  if (y + size.cy > screenH) y = std::max(0, at.Y - size.cy);
  x = std::max(0, x);
  y = std::max(0, y);

  if (owner) SendMessage(owner, WM_ENTERMENULOOP, TRUE, 0);
  SetWindowPos(popup, HWND_TOPMOST, x, y, size.cx, size.cy, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetCapture(popup);

  // The menu's own loop: keys go to the menu, everything else is dispatched.
  MSG msg;
  while (IsWindow(popup) && !self->done_) {
    if (!GetMessage(&msg, nullptr, 0, 0)) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      self->cancel();
      break;
    }
    const bool key = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN || msg.message == WM_CHAR ||
                     msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP || msg.message == WM_SYSCHAR;
    if (key) {
      if (msg.message == WM_KEYDOWN && msg.wParam != VK_RETURN && msg.wParam != VK_ESCAPE) TranslateMessage(&msg);
      msg.hwnd = popup;
    }
    DispatchMessage(&msg);
    if (IsWindow(popup) && GetCapture() != popup && !self->done_) self->cancel();
  }
  const UINT_PTR result = IsWindow(popup) ? self->result_ : 0;
  if (IsWindow(popup)) {
    if (GetCapture() == popup) ReleaseCapture();
    DestroyWindow(popup);
  }
  if (owner && IsWindow(owner)) SendMessage(owner, WM_EXITMENULOOP, TRUE, 0);
  return result;
}
