#include "platform/controls/ListBoxControl.h"

#include <algorithm>

#include "platform/controls/ControlMessages.h"
#include "platform/controls/TextCase.h"

ListBoxControl::ListBoxControl(HWND hwnd, const CREATESTRUCT& cs) : StandardControl(hwnd) {
  // A pop-up's CREATESTRUCT names its top-level owner; the box hands itself over instead.
  if (cs.lpszClass && std::string(cs.lpszClass) == WC_COMBOLBOX) comboOwner_ = static_cast<HWND>(cs.lpCreateParams);
  hasScrollBar_ = cs.style & WS_VSCROLL;
}

void ListBoxControl::registerClasses() {
  WNDCLASS wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = &StandardControl::ControlProc<ListBoxControl>;
  wc.lpszClassName = WC_LISTBOX;
  RegisterClass(&wc);
  wc.style = CS_DBLCLKS | CS_SAVEBITS | CS_DROPSHADOW;
  wc.lpszClassName = WC_COMBOLBOX;
  RegisterClass(&wc);
}

bool ListBoxControl::variableHeights() const { return (style() & LBS_OWNERDRAWVARIABLE) != 0; }

int ListBoxControl::fixedHeight() const { return std::max(1, itemHeight_ > 0 ? itemHeight_ : lineHeight()); }

int ListBoxControl::heightOf(int index) const {
  if (variableHeights() && valid(index) && items_[index].height > 0) return items_[index].height;
  return fixedHeight();
}

int ListBoxControl::rowTop(int index) const {
  if (!variableHeights()) return (index - top_) * fixedHeight();
  int y = 0;
  for (int i = top_; i < index; ++i) y += heightOf(i);
  for (int i = index; i < top_; ++i) y -= heightOf(i);
  return y;
}

int ListBoxControl::linesFrom(int top) const {
  const int room = clientRect().Height();
  int lines = 0;
  for (int i = top, used = 0; i < count() && used + heightOf(i) <= room; ++i) used += heightOf(i), ++lines;
  return std::max(1, lines);
}

int ListBoxControl::visibleLines() const {
  if (variableHeights()) return linesFrom(top_);
  return std::max(1, clientRect().Height() / fixedHeight());
}

int ListBoxControl::maxTop() const {
  if (!variableHeights()) return std::max(0, count() - visibleLines());
  // The highest top from which the last item still lies wholly in view.
  const int room = clientRect().Height();
  int top = count() - 1;
  for (int used = heightOf(top); top > 0 && used + heightOf(top - 1) <= room; --top) used += heightOf(top - 1);
  return std::max(0, top);
}

int ListBoxControl::itemAt(POINT client, bool* outside) const {
  const int h = fixedHeight();
  const RECT r = clientRect();
  const bool out = !r.Contains(client);
  int line = client.Y < 0 ? -1 : client.Y / h;
  if (variableHeights() && client.Y >= 0) {
    line = 0;
    for (int y = 0, i = top_; i < count() && y + heightOf(i) <= client.Y; ++i, ++line) y += heightOf(i);
  }
  int index = top_ + line;
  if (outside) *outside = out || !valid(index);
  if (count() == 0) return -1;
  return std::clamp(index, 0, count() - 1);
}

void ListBoxControl::updateScrollBar() {
  // The layer drops WS_VSCROLL while the bar is hidden; what counts is how the list was made.
  if (!hasScrollBar_) return;
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | ((style() & LBS_DISABLENOSCROLL) ? SIF_DISABLENOSCROLL : 0);
  si.nMin = 0;
  si.nMax = std::max(0, count() - 1);
  si.nPage = static_cast<UINT>(visibleLines());
  si.nPos = top_;
  // An empty list shows no bar at all (unless always shown).
  if (count() == 0) si.nMax = 0, si.nPage = 1;
  SetScrollInfo(hwnd(), SB_VERT, &si, TRUE);
}

void ListBoxControl::setTop(int top) {
  top = std::clamp(top, 0, maxTop());
  if (top == top_) return;
  top_ = top;
  updateScrollBar();
  invalidate();
}

void ListBoxControl::ensureVisible(int index) {
  if (!valid(index)) return;
  if (index < top_) {
    setTop(index);
  } else if (variableHeights()) {
    if (rowTop(index) + heightOf(index) <= clientRect().Height()) return;
    // The highest top that still shows the whole item at the bottom.
    int top = index;
    for (int used = heightOf(index); top > 0 && used + heightOf(top - 1) <= clientRect().Height(); --top)
      used += heightOf(top - 1);
    setTop(top);
  } else if (index >= top_ + visibleLines()) {
    setTop(index - visibleLines() + 1);
  }
}

bool ListBoxControl::setCurrent(int index) {
  if (!valid(index)) index = -1;
  const bool changed = index != current_;
  current_ = index;
  ensureVisible(index);
  if (changed) invalidate();
  return changed;
}

void ListBoxControl::notify(WORD code) {
  if (isDropDown()) return;
  if (style() & LBS_NOTIFY) notifyParent(code);
}

LRESULT ListBoxControl::insert(int index, const char* text) {
  Item item{text ? text : "", 0};
  if (index < 0 || index > count()) index = count();
  items_.insert(items_.begin() + index, std::move(item));
  if (current_ >= index) ++current_;
  if (variableHeights()) {
    measure(index);
    if (!alive()) return index;
  }
  updateScrollBar();
  invalidate();
  return index;
}

void ListBoxControl::measure(int index) {
  const HWND parent = GetParent(hwnd());
  if (!parent || isDropDown()) return;
  MEASUREITEMSTRUCT item;
  item.CtlType = ODT_LISTBOX;
  item.CtlID = static_cast<UINT>(GetWindowLongPtr(hwnd(), GWLP_ID));
  item.itemID = static_cast<UINT>(index);
  item.itemWidth = static_cast<UINT>(clientRect().Width());
  item.itemHeight = static_cast<UINT>(fixedHeight());
  item.itemData = items_[index].data;
  item.hwndItem = hwnd();
  SendMessage(parent, WM_MEASUREITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
  // The parent may have changed the list while answering.
  if (alive() && valid(index)) items_[index].height = std::clamp(static_cast<int>(item.itemHeight), 1, 0x7FFF);
}

LRESULT ListBoxControl::remove(int index) {
  if (!valid(index)) return LB_ERR;
  items_.erase(items_.begin() + index);
  if (current_ == index) current_ = -1;
  else if (current_ > index) --current_;
  top_ = std::clamp(top_, 0, maxTop());
  updateScrollBar();
  invalidate();
  return count();
}

int ListBoxControl::findString(int after, const std::string& prefix, bool exact) const {
  if (count() == 0) return static_cast<int>(LB_ERR);
  const std::u32string wanted = TextCase::fold(prefix);
  // The search starts after `after` and wraps round to it.
  const int start = valid(after) ? after + 1 : 0;
  for (int k = 0; k < count(); ++k) {
    const int i = (start + k) % count();
    const std::u32string text = TextCase::fold(items_[i].text);
    if (exact ? text == wanted : text.compare(0, wanted.size(), wanted) == 0) return i;
  }
  return static_cast<int>(LB_ERR);
}

void ListBoxControl::onScroll(int code, int position) {
  switch (code) {
    case SB_LINEUP: setTop(top_ - 1); break;
    case SB_LINEDOWN: setTop(top_ + 1); break;
    case SB_PAGEUP: setTop(top_ - std::max(1, visibleLines() - 1)); break;
    case SB_PAGEDOWN: setTop(top_ + std::max(1, visibleLines() - 1)); break;
    case SB_TOP: setTop(0); break;
    case SB_BOTTOM: setTop(maxTop()); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      // The notification carries the position, as from any scroll bar that
      // tracks its thumb itself.
      setTop(position);
      break;
    default: break;
  }
}

bool ListBoxControl::onKeyDown(WPARAM key) {
  if (count() == 0) return false;
  const int page = std::max(1, visibleLines() - 1);
  int target = current_;
  switch (key) {
    case VK_UP: target = current_ < 0 ? 0 : current_ - 1; break;
    case VK_DOWN: target = current_ + 1; break;
    case VK_HOME: target = 0; break;
    case VK_END: target = count() - 1; break;
    case VK_PRIOR: target = current_ < 0 ? 0 : current_ - page; break;
    case VK_NEXT: target = current_ < 0 ? 0 : current_ + page; break;
    default: return false;
  }
  target = std::clamp(target, 0, count() - 1);
  if (setCurrent(target)) notify(LBN_SELCHANGE);
  return true;
}

bool ListBoxControl::drawnByParent(HDC dc, int index, const TRect& row, bool selected, bool enabled) {
  const HWND parent = GetParent(hwnd());
  if (!(style() & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) || !parent || isDropDown()) return false;
  DRAWITEMSTRUCT item;
  item.CtlType = ODT_LISTBOX;
  item.CtlID = static_cast<UINT>(GetWindowLongPtr(hwnd(), GWLP_ID));
  item.itemID = static_cast<UINT>(index);
  item.itemAction = ODA_DRAWENTIRE;
  item.itemState = (selected ? ODS_SELECTED : 0) | (selected && focused_ ? ODS_FOCUS : 0) | (enabled ? 0 : ODS_DISABLED);
  item.hwndItem = hwnd();
  item.hDC = dc;
  item.rcItem = row;
  item.itemData = items_[index].data;
  // The parent draws with the context as it finds it; keep ours around it.
  const int saved = SaveDC(dc);
  const bool drawn = SendMessage(parent, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item)) != 0;
  RestoreDC(dc, saved);
  return drawn;
}

void ListBoxControl::paint(HDC dc) {
  const RECT client = clientRect();
  const bool enabled = IsWindowEnabled(hwnd());
  const int saved = SaveDC(dc);
  SelectObject(dc, font());
  const TColor background = backgroundFromParent(dc, WM_CTLCOLORLISTBOX, enabled ? clWindowText : clGrayText, clWindow);
  const TColor textColor = GetTextColor(dc);
  FillRect(dc, client, background);
  SetBkMode(dc, TRANSPARENT);
  for (int i = top_, y = 0; i < count(); y += heightOf(i), ++i) {
    const TRect row = Bounds(0, y, client.Width(), heightOf(i));
    if (row.Top >= client.Bottom) break;
    // The current item stays highlighted when the list loses the focus.
    const bool selected = i == current_;
    if (drawnByParent(dc, i, row, selected, enabled)) {
      if (!alive()) break;
      continue;
    }
    if (selected) FillRect(dc, row, enabled ? clHighlight : clBtnShadow);
    SetTextColor(dc, selected ? clHighlightText : textColor);
    TRect text = Rect(row.Left + 2, row.Top, row.Right - 2, row.Bottom);
    DrawText(dc, items_[i].text, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (selected && focused_) DrawFocusRect(dc, row);
  }
  // With no current item (an empty list, as the command list is at first)
  // the focus still shows where the next item would be: on the first row
  // in view, one item high.
  if (focused_ && (current_ < 0 || current_ >= count())) {
    const int height = count() > 0 ? heightOf(top_) : fixedHeight();
    DrawFocusRect(dc, Bounds(0, 0, client.Width(), height));
  }
  RestoreDC(dc, saved);
}
