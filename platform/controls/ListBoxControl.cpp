#include "platform/controls/ListBoxControl.h"

#include <algorithm>

#include "platform/controls/ControlMessages.h"
#include "platform/controls/DialogKeys.h"
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

void ListBoxControl::dropDownMouse(UINT msg, LPARAM lParam) {
  const POINT client = Point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
  POINT screen = client;
  ClientToScreen(hwnd(), &screen);
  RECT window{};
  GetWindowRect(hwnd(), &window);
  bool outside = true;
  const int index = itemAt(client, &outside);
  const bool inClient = clientRect().Contains(client);
  switch (msg) {
    case WM_MOUSEMOVE:
      if (inClient && !outside) setCurrent(index);
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!window.Contains(screen)) {
        SendMessage(comboOwner_, kListDismissed, 0, 0);
      } else if (!inClient) {
        // The captured press on the list's frame or bar goes the way an
        // uncaptured one would: through the window's own hit test and
        // non-client press, so whoever paints and tracks its bar sees it.
        const LPARAM at = MAKELPARAM(screen.X, screen.Y);
        const LRESULT hit = SendMessage(hwnd(), WM_NCHITTEST, 0, at);
        if (alive()) SendMessage(hwnd(), msg == WM_LBUTTONDBLCLK ? WM_NCLBUTTONDBLCLK : WM_NCLBUTTONDOWN,
                                 static_cast<WPARAM>(hit), at);
      } else {
        dropDownPressed_ = true;
        if (!outside) setCurrent(index);
      }
      return;
    case WM_LBUTTONUP:
      if (dropDownPressed_ && inClient && !outside) {
        dropDownPressed_ = false;
        SendMessage(comboOwner_, kListChosen, static_cast<WPARAM>(index), 0);
      }
      dropDownPressed_ = false;
      return;
    default: return;
  }
}

LRESULT ListBoxControl::handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  const int index = static_cast<int>(static_cast<LONG>(wParam));
  switch (msg) {
    case WM_CREATE:
      updateScrollBar();
      return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_MOUSEACTIVATE: return isDropDown() ? 3 /* MA_NOACTIVATE */ : defaultHandle(msg, wParam, lParam);
    case WM_SIZE:
      top_ = std::clamp(top_, 0, maxTop());
      updateScrollBar();
      invalidate();
      return 0;
    case WM_SETFOCUS: focused_ = true; invalidate(); notify(LBN_SETFOCUS); return 0;
    case WM_KILLFOCUS: focused_ = false; invalidate(); notify(LBN_KILLFOCUS); return 0;
    case WM_ENABLE: invalidate(); return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
      if (isDropDown()) {
        dropDownMouse(msg, lParam);
        return 0;
      }
      if (msg == WM_LBUTTONDOWN) {
        SetFocus(hwnd());
        if (!alive()) return 0;
        SetCapture(hwnd());
        mouseSelecting_ = true;
      } else if (msg == WM_LBUTTONUP) {
        if (mouseSelecting_) ReleaseCapture();
        mouseSelecting_ = false;
        return 0;
      } else if (msg == WM_MOUSEMOVE && !mouseSelecting_) {
        return 0;
      }
      {
        const POINT p = Point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        bool outside = false;
        const int at = itemAt(p, &outside);
        if (msg == WM_LBUTTONDBLCLK) {
          if (!outside) notify(LBN_DBLCLK);
          return 0;
        }
        if (at >= 0 && (msg == WM_MOUSEMOVE || !outside) && setCurrent(at)) notify(LBN_SELCHANGE);
      }
      return 0;
    case WM_CAPTURECHANGED:
      mouseSelecting_ = false;
      dropDownPressed_ = false;
      return 0;
    case WM_KEYDOWN:
      if (!onKeyDown(wParam)) DialogKeys::handleKey(hwnd(), wParam);
      return 0;
    case WM_CHAR: {
      // Typing a letter jumps to the next item starting with it.
      const char32_t ch = static_cast<char32_t>(wParam);
      if (ch < 0x20) return 0;
      const int found = findString(current_, TextCase::encode(ch), false);
      if (found >= 0 && setCurrent(found)) notify(LBN_SELCHANGE);
      return 0;
    }
    case WM_VSCROLL: onScroll(LOWORD(wParam), static_cast<int>(HIWORD(wParam))); return 0;
    case WM_MOUSEWHEEL: {
      const int notches = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
      if (notches == 0) return 0;
      setTop(top_ - notches * kWheelLines);
      return 0;
    }
    case kListOpened:
      SetCapture(hwnd());
      dropDownPressed_ = (wParam != 0);
      return 0;
    case kListClosed:
      if (GetCapture() == hwnd()) ReleaseCapture();
      dropDownPressed_ = false;
      return 0;

    case LB_ADDSTRING: {
      const char* text = reinterpret_cast<const char*>(lParam);
      int at = count();
      if (style() & LBS_SORT) {
        const std::u32string key = TextCase::fold(text ? text : "");
        at = 0;
        while (at < count() && TextCase::fold(items_[at].text) <= key) ++at;
      }
      return insert(at, text);
    }
    case LB_INSERTSTRING: return insert(index, reinterpret_cast<const char*>(lParam));
    case LB_DELETESTRING: return remove(index);
    case LB_RESETCONTENT:
      items_.clear();
      current_ = -1;
      top_ = 0;
      updateScrollBar();
      invalidate();
      return 0;
    case LB_GETCOUNT: return count();
    case LB_GETTEXT: {
      if (!valid(index)) return LB_ERR;
      char* out = reinterpret_cast<char*>(lParam);
      const std::string& text = items_[index].text;
      if (out) std::copy(text.begin(), text.end(), out), out[text.size()] = '\0';
      return static_cast<LRESULT>(text.size());
    }
    case LB_GETTEXTLEN: return valid(index) ? static_cast<LRESULT>(items_[index].text.size()) : LB_ERR;
    case LB_GETITEMDATA: return valid(index) ? items_[index].data : LB_ERR;
    case LB_SETITEMDATA:
      if (!valid(index)) return LB_ERR;
      items_[index].data = lParam;
      return 0;
    case LB_SETCURSEL:
      setCurrent(index);
      return valid(index) ? index : LB_ERR;
    case LB_GETCURSEL: return current_;
    case LB_GETCARETINDEX: return current_ < 0 ? 0 : current_;
    case LB_SETCARETINDEX: setCurrent(index); return valid(index) ? 0 : LB_ERR;
    case LB_GETSEL: return valid(index) ? (index == current_ ? 1 : 0) : LB_ERR;
    case LB_GETSELCOUNT: return LB_ERR;  // single selection only
    case LB_SETTOPINDEX:
      if (!valid(index) && !(index == 0 && count() == 0)) return LB_ERR;
      setTop(index);
      return 0;
    case LB_GETTOPINDEX: return top_;
    case LB_GETITEMHEIGHT:
      // With variable heights wParam names the item.
      if (variableHeights() && valid(index)) return heightOf(index);
      return itemHeight_ > 0 ? itemHeight_ : lineHeight();
    case LB_SETITEMHEIGHT: {
      const int h = static_cast<int>(LOWORD(static_cast<std::uintptr_t>(lParam)));
      if (h <= 0 || h > 255) return LB_ERR;
      if (variableHeights() && valid(index)) items_[index].height = h;
      else itemHeight_ = h;
      top_ = std::clamp(top_, 0, maxTop());
      updateScrollBar();
      invalidate();
      return 0;
    }
    case LB_GETITEMRECT: {
      auto* rect = reinterpret_cast<RECT*>(lParam);
      if (!rect || !valid(index)) return LB_ERR;
      *rect = Bounds(0, rowTop(index), clientRect().Width(), heightOf(index));
      return 1;
    }
    case LB_ITEMFROMPOINT: {
      bool outside = true;
      const int at = itemAt(Point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)), &outside);
      if (at < 0) return MAKELPARAM(0xFFFF, 1);
      return MAKELPARAM(at, outside ? 1 : 0);
    }
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT: {
      const char* text = reinterpret_cast<const char*>(lParam);
      return findString(index, text ? text : "", msg == LB_FINDSTRINGEXACT);
    }
    case LB_SELECTSTRING: {
      const char* text = reinterpret_cast<const char*>(lParam);
      const int found = findString(index, text ? text : "", false);
      if (found >= 0) setCurrent(found);
      return found;
    }
    case LB_SETTABSTOPS:
    case LB_SETCOLUMNWIDTH: return TRUE;
    default: return defaultHandle(msg, wParam, lParam);
  }
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
