#include "platform/controls/PopupMenuWindow.h"

#include <algorithm>

#include "platform/controls/ControlMessages.h"
#include "platform/controls/ControlPainter.h"
#include "platform/controls/StandardClasses.h"
#include "platform/controls/TextCase.h"
#include "platform/windowing/MouseMessages.h"

// One TrackPopupMenu call: its open menus from the first to the deepest,
// and how it ended.
struct MenuTracking {
  std::vector<PopupMenuWindow*> open;
  bool done = false;
  UINT_PTR result = 0;
  int closeAbove = -1;  // a sub-menu asked to close itself: close those deeper than this level

  bool holds(HWND window) const {
    for (const PopupMenuWindow* menu : open)
      if (menu->hwnd() == window) return true;
    return false;
  }
  // Closes what a sub-menu asked to close, once its handler has returned.
  void closeAsked();
};

namespace {
const std::vector<MenuItem>* pendingItems = nullptr;  // handed to the window being created
constexpr UINT_PTR kSubMenuTimer = 1;

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

// Where the arrow of an item with a sub-menu goes: the right-hand column.
TRect subMenuArrowRect(const RECT& item) {
  const int middle = item.Top + item.Height() / 2;
  return Rect(item.Right - 14, middle - 4, item.Right - 6, middle + 4);
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

PopupMenuWindow* PopupMenuWindow::create(const std::vector<MenuItem>& items, MenuTracking& tracking, int level,
                                         HWND owner) {
  pendingItems = &items;
  const HWND popup = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST, WC_POPUPMENU, "", WS_POPUP,
                                    0, 0, 1, 1, owner, 0, nullptr);
  pendingItems = nullptr;
  if (!popup) return nullptr;
  auto* self = static_cast<PopupMenuWindow*>(static_cast<StandardControl*>(GetProp(popup, kStandardControlProp)));
  self->tracking_ = &tracking;
  self->level_ = level;
  return self;
}

int PopupMenuWindow::itemHeight(const MenuItem& item) const {
  return item.separator() ? kSeparatorHeight : lineHeight() + 6;
}

SIZE PopupMenuWindow::layout() {
  Bitmap scratch(1, 1);
  DeviceContext dc(scratch);
  SelectObject(&dc, font());
  rects_.assign(items_.size(), RECT{});
  int left = kFrame;
  int height = 0;
  std::size_t first = 0;
  // One column at a time: its width fits its widest text and widest shortcut.
  while (first < items_.size()) {
    std::size_t end = first + 1;
    while (end < items_.size() && !items_[end].startsColumn()) ++end;
    int textWidth = 0;
    int shortcutWidth = 0;
    for (std::size_t i = first; i < end; ++i) {
      if (items_[i].separator()) continue;
      const auto [text, shortcut] = splitAtTab(items_[i].text);
      TRect r;
      DrawText(&dc, text, r, DT_SINGLELINE | DT_CALCRECT);
      textWidth = std::max(textWidth, r.Width());
      if (!shortcut.empty()) {
        TRect sc;
        DrawText(&dc, shortcut, sc, DT_SINGLELINE | DT_CALCRECT);
        shortcutWidth = std::max(shortcutWidth, sc.Width() + 16);
      }
    }
    const int width = kCheckColumn + textWidth + shortcutWidth + kCheckColumn;
    int top = kFrame;
    for (std::size_t i = first; i < end; ++i) {
      rects_[i] = Rect(left, top, left + width, top + itemHeight(items_[i]));
      top = rects_[i].Bottom;
    }
    height = std::max(height, top - kFrame);
    left += width;
    first = end;
  }
  return {left + kFrame, height + 2 * kFrame};
}

RECT PopupMenuWindow::itemRect(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= rects_.size()) return {};
  return rects_[static_cast<std::size_t>(index)];
}

int PopupMenuWindow::itemAt(POINT client) const {
  for (int i = 0; i < static_cast<int>(items_.size()); ++i)
    if (itemRect(i).Contains(client)) return items_[i].separator() ? -1 : i;
  return -1;
}

void PopupMenuWindow::setHot(int index) {
  if (index == hot_) return;
  stopSubMenuDelay();
  markHot(index);
  if (openItem_ >= 0 && openItem_ != hot_) closeSubMenu();
}

void PopupMenuWindow::markHot(int index) {
  if (index == hot_) return;
  hot_ = index;
  invalidate();
  if (const HWND owner = GetParent(hwnd()); owner && hot_ >= 0)
    SendMessage(owner, WM_MENUSELECT, MAKEWPARAM(static_cast<int>(items_[hot_].id), items_[hot_].flags & 0xFFFF), 0);
}

void PopupMenuWindow::hover(int index) {
  markHot(index);
  if (index == openItem_) {
    stopSubMenuDelay();
    return;
  }
  // Moving within the item keeps its delay running rather than restarting it.
  if (index == delayedItem_) return;
  const bool opens = items_[index].opensMenu() && items_[index].enabled();
  if (!opens && openItem_ < 0) {
    stopSubMenuDelay();
    return;
  }
  delayedItem_ = index;
  SetTimer(hwnd(), kSubMenuTimer, kSubMenuDelayMs, nullptr);
}

void PopupMenuWindow::onSubMenuDelay() {
  const int item = delayedItem_;
  stopSubMenuDelay();
  if (!tracking_ || item < 0 || item != hot_) return;
  // The rested-on item's own sub-menu replaces the open one; a plain item just closes it.
  if (items_[item].opensMenu() && items_[item].enabled()) openSubMenu(item, false);
  else closeSubMenu();
}

void PopupMenuWindow::stopSubMenuDelay() {
  if (delayedItem_ < 0) return;
  delayedItem_ = -1;
  KillTimer(hwnd(), kSubMenuTimer);
}

void PopupMenuWindow::keepSubMenuOpen() {
  stopSubMenuDelay();
  if (openItem_ >= 0) markHot(openItem_);
  if (PopupMenuWindow* parent = parentMenu()) parent->keepSubMenuOpen();
}

PopupMenuWindow* PopupMenuWindow::parentMenu() const {
  if (!tracking_ || level_ <= 0 || level_ > static_cast<int>(tracking_->open.size())) return nullptr;
  return tracking_->open[static_cast<std::size_t>(level_ - 1)];
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

void PopupMenuWindow::moveColumn(int direction) {
  // Into the neighbouring column, at the hot item's row or the nearest above it.
  const RECT from = itemRect(std::max(hot_, 0));
  bool found = false;
  int column = 0;
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    const int left = rects_[static_cast<std::size_t>(i)].Left;
    if (items_[i].separator() || (direction > 0 ? left <= from.Left : left >= from.Left)) continue;
    if (!found || (direction > 0 ? left < column : left > column)) column = left;
    found = true;
  }
  if (!found) return;
  int best = -1;
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    const RECT r = rects_[static_cast<std::size_t>(i)];
    if (items_[i].separator() || r.Left != column) continue;
    if (best < 0 || r.Top <= from.Top) best = i;
  }
  if (best >= 0) setHot(best);
}

void PopupMenuWindow::choose(int index) {
  if (index < 0 || !items_[index].enabled()) return;
  if (items_[index].opensMenu()) {
    openSubMenu(index, true);
    return;
  }
  tracking_->result = items_[index].id;
  tracking_->done = true;
}

void PopupMenuWindow::openSubMenu(int index, bool selectFirst) {
  if (index < 0 || !items_[index].opensMenu() || !items_[index].enabled()) return;
  stopSubMenuDelay();
  if (openItem_ == index) {
    if (selectFirst && level_ + 1 < static_cast<int>(tracking_->open.size())) {
      PopupMenuWindow* child = tracking_->open[static_cast<std::size_t>(level_ + 1)];
      if (child->hot_ < 0) child->moveHot(1);
    }
    return;
  }
  closeSubMenu();
  const Menu* menu = Menu::fromHandle(items_[index].subMenu);
  if (!menu || menu->items.empty()) return;
  const std::vector<MenuItem> items = menu->items;
  PopupMenuWindow* child = create(items, *tracking_, level_ + 1, GetParent(hwnd()));
  if (!child) return;
  if (hot_ != index) setHot(index);
  openItem_ = index;
  tracking_->open.push_back(child);
  const SIZE size = child->layout();
  // Beside the item, over this menu's frame; on the left when the screen ends.
  const RECT item = itemRect(index);
  POINT topLeft{item.Left, item.Top};
  POINT topRight{item.Right, item.Top};
  ClientToScreen(hwnd(), &topLeft);
  ClientToScreen(hwnd(), &topRight);
  int x = topRight.X + kFrame;
  int y = topRight.Y - kFrame;
  const int screenW = GetSystemMetrics(SM_CXSCREEN);
  const int screenH = GetSystemMetrics(SM_CYSCREEN);
  if (x + size.cx > screenW) x = std::max(0, topLeft.X - kFrame - size.cx);
  if (y + size.cy > screenH) y = std::max(0, screenH - size.cy);
  SetWindowPos(child->hwnd(), HWND_TOPMOST, x, y, size.cx, size.cy, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetCapture(child->hwnd());
  if (selectFirst) child->moveHot(1);
  invalidate();
}

void PopupMenuWindow::closeSubMenu() {
  if (openItem_ < 0) return;
  openItem_ = -1;
  // The mouse comes back here first, so that no menu sees it taken away.
  SetCapture(hwnd());
  while (static_cast<int>(tracking_->open.size()) > level_ + 1) {
    const HWND deepest = tracking_->open.back()->hwnd();
    tracking_->open.pop_back();
    DestroyWindow(deepest);
  }
  invalidate();
}

void PopupMenuWindow::cancel() {
  tracking_->result = 0;
  tracking_->done = true;
}

bool PopupMenuWindow::onKey(WPARAM key) {
  const bool columns = !rects_.empty() && rects_.back().Left != rects_.front().Left;
  switch (key) {
    case VK_UP: moveHot(-1); return true;
    case VK_DOWN: moveHot(1); return true;
    case VK_HOME: hot_ = -1; moveHot(1); return true;
    case VK_END: hot_ = -1; moveHot(-1); return true;
    case VK_RETURN:
    case VK_SPACE: choose(hot_); return true;
    case VK_RIGHT:
      if (hot_ >= 0 && items_[hot_].opensMenu()) openSubMenu(hot_, true);
      else if (columns) moveColumn(1);
      return true;
    case VK_LEFT:
      if (columns && hot_ >= 0 && rects_[static_cast<std::size_t>(hot_)].Left > kFrame) {
        moveColumn(-1);
        return true;
      }
      [[fallthrough]];
    case VK_ESCAPE:
      // A sub-menu closes back to its parent; the first menu cancels.
      if (level_ > 0) tracking_->closeAbove = level_ - 1;
      else cancel();
      return true;
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

bool PopupMenuWindow::forwardMouse(UINT msg, WPARAM wParam, LPARAM lParam) {
  // The deepest menu holds the capture; the pointer may be over one of the
  // menus it was opened from, which then handles it in its own coordinates.
  POINT screen = Point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
  ClientToScreen(hwnd(), &screen);
  for (auto it = tracking_->open.rbegin(); it != tracking_->open.rend(); ++it) {
    RECT bounds{};
    GetWindowRect((*it)->hwnd(), &bounds);
    if (!bounds.Contains(screen)) continue;
    if (*it == this) return false;
    POINT client = screen;
    ScreenToClient((*it)->hwnd(), &client);
    SendMessage((*it)->hwnd(), msg, wParam, MAKELPARAM(client.X, client.Y));
    return true;
  }
  return false;
}

LRESULT PopupMenuWindow::handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  const POINT p = Point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
  if (IsClientMouseMessage(msg) && tracking_ && tracking_->open.size() > 1 &&
      forwardMouse(msg, wParam, lParam))
    return 0;
  // Keys reach the first menu through the keyboard grab when a loop other
  // than the menus' own takes them from the queue: the deepest menu handles them.
  const bool key = msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN || msg == WM_CHAR;
  if (key && tracking_ && !tracking_->open.empty() && tracking_->open.back() != this) {
    MenuTracking* tracking = tracking_;
    const LRESULT answer = SendMessage(tracking->open.back()->hwnd(), msg, wParam, lParam);
    if (tracking_ == tracking) tracking->closeAsked();
    return answer;
  }
  switch (msg) {
    case WM_MOUSEACTIVATE: return 3;  // MA_NOACTIVATE: the owner keeps the keyboard
    case WM_MOUSEMOVE: {
      // Inside a sub-menu the menus it was opened from keep it and its item.
      if (PopupMenuWindow* parent = parentMenu(); parent && clientRect().Contains(p)) parent->keepSubMenuOpen();
      // Over a separator, the frame or outside the hot item stays.
      if (const int at = itemAt(p); at >= 0) hover(at);
      return 0;
    }
    case WM_TIMER:
      if (wParam == kSubMenuTimer) onSubMenuDelay();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      if (!clientRect().Contains(p)) cancel();
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
      if (clientRect().Contains(p)) choose(itemAt(p));
      return 0;
    case WM_CAPTURECHANGED:
      // The mouse may pass between the menus of this tracking, nowhere else.
      if (!tracking_ || !tracking_->holds(reinterpret_cast<HWND>(lParam))) {
        if (tracking_) cancel();
      }
      return 0;
    case WM_CANCELMODE:
      if (tracking_) cancel();
      return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: onKey(wParam); return 0;
    case WM_CHAR: onChar(static_cast<char32_t>(wParam)); return 0;
    case MN_GETITEMCOUNT: return static_cast<LRESULT>(items_.size());
    case MN_GETHOTITEM: return hot_;
    case MN_GETOPENSUBMENU:
      if (openItem_ < 0 || level_ + 1 >= static_cast<int>(tracking_->open.size())) return 0;
      return reinterpret_cast<LRESULT>(tracking_->open[static_cast<std::size_t>(level_ + 1)]->hwnd());
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
    const TRect checkArea = Rect(r.Left, r.Top, r.Left + kCheckColumn, r.Bottom);
    if (item.checked() && item.radio()) ControlPainter::bullet(dc, checkArea, color);
    else if (item.checked()) ControlPainter::tick(dc, checkArea, color);
    if (item.opensMenu()) ControlPainter::arrow(dc, subMenuArrowRect(r), ArrowDirection::Right, color);
    const auto [text, shortcut] = splitAtTab(item.text);
    SetTextColor(dc, color);
    TRect textRect = Rect(r.Left + kCheckColumn, r.Top, r.Right - kCheckColumn, r.Bottom);
    DrawText(dc, text, textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (!shortcut.empty()) DrawText(dc, shortcut, textRect, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
  }
  RestoreDC(dc, saved);
}

void MenuTracking::closeAsked() {
  const int level = closeAbove;
  closeAbove = -1;
  if (level >= 0 && level < static_cast<int>(open.size())) open[static_cast<std::size_t>(level)]->closeSubMenu();
}

UINT_PTR PopupMenuWindow::track(const std::vector<MenuItem>& items, UINT flags, POINT at, HWND owner) {
  RegisterStandardClasses();
  if (owner && !IsWindow(owner)) owner = nullptr;
  MenuTracking tracking;
  PopupMenuWindow* self = create(items, tracking, 0, owner);
  if (!self) return 0;
  const HWND popup = self->hwnd();
  tracking.open.push_back(self);
  const SIZE size = self->layout();

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
  // Keys go to the menu whoever runs the loop that takes them.
  const HWND grabBefore = SetKeyboardGrab(popup);

  // The menus' own loop: keys go to the deepest menu, everything else is dispatched.
  MSG msg;
  while (IsWindow(popup) && !tracking.done) {
    if (!GetMessage(&msg, nullptr, 0, 0)) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      tracking.done = true;
      tracking.result = 0;
      break;
    }
    const bool key = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN || msg.message == WM_CHAR ||
                     msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP || msg.message == WM_SYSCHAR;
    if (key) {
      if (msg.message == WM_KEYDOWN && msg.wParam != VK_RETURN && msg.wParam != VK_ESCAPE) TranslateMessage(&msg);
      msg.hwnd = tracking.open.back()->hwnd();
    }
    DispatchMessage(&msg);
    tracking.closeAsked();
    if (IsWindow(popup) && !tracking.holds(GetCapture()) && !tracking.done) tracking.done = true, tracking.result = 0;
  }
  const UINT_PTR result = tracking.result;
  // Deepest first; no menu may call back into this tracking once it ends.
  while (!tracking.open.empty()) {
    PopupMenuWindow* menu = tracking.open.back();
    tracking.open.pop_back();
    const HWND window = menu->hwnd();
    if (!IsWindow(window)) continue;
    menu->tracking_ = nullptr;
    if (GetCapture() == window) ReleaseCapture();
    DestroyWindow(window);
  }
  SetKeyboardGrab(grabBefore && IsWindow(grabBefore) ? grabBefore : nullptr);
  if (owner && IsWindow(owner)) SendMessage(owner, WM_EXITMENULOOP, TRUE, 0);
  return result;
}
