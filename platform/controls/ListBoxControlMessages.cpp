// The list box's messages, by topic: the window's life, focus and the
// drop-down's open and close; the mouse and the keys; the LB_ messages about
// the items and about the selection and the rows. What none takes goes to
// the default handling.
#include <algorithm>
#include <cstdint>

#include "platform/controls/ControlMessages.h"
#include "platform/controls/DialogKeys.h"
#include "platform/controls/ListBoxControl.h"
#include "platform/controls/TextCase.h"

LRESULT ListBoxControl::handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (const std::optional<LRESULT> answer = windowMessage(msg, wParam, lParam)) return *answer;
  if (const std::optional<LRESULT> answer = inputMessage(msg, wParam, lParam)) return *answer;
  if (const std::optional<LRESULT> answer = itemMessage(msg, wParam, lParam)) return *answer;
  if (const std::optional<LRESULT> answer = selectionMessage(msg, wParam, lParam)) return *answer;
  return defaultHandle(msg, wParam, lParam);
}

// ---- the window -------------------------------------------------------------------

std::optional<LRESULT> ListBoxControl::windowMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
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
    case WM_VSCROLL: onScroll(LOWORD(wParam), static_cast<int>(HIWORD(wParam))); return 0;
    case kListOpened:
      SetCapture(hwnd());
      dropDownPressed_ = (wParam != 0);
      return 0;
    case kListClosed:
      if (GetCapture() == hwnd()) ReleaseCapture();
      dropDownPressed_ = false;
      return 0;
    default: return std::nullopt;
  }
}

// ---- the mouse and the keys ------------------------------------------------------------

std::optional<LRESULT> ListBoxControl::inputMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
      if (isDropDown()) dropDownMouse(msg, lParam);
      else listMouse(msg, lParam);
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
    case WM_MOUSEWHEEL: {
      const int notches = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
      if (notches != 0) setTop(top_ - notches * kWheelLines);
      return 0;
    }
    default: return std::nullopt;
  }
}

void ListBoxControl::listMouse(UINT msg, LPARAM lParam) {
  // A press selects and holds the mouse; moving while held selects what
  // the pointer is over; a double click on an item is announced.
  if (msg == WM_LBUTTONDOWN) {
    SetFocus(hwnd());
    if (!alive()) return;
    SetCapture(hwnd());
    mouseSelecting_ = true;
  } else if (msg == WM_LBUTTONUP) {
    if (mouseSelecting_) ReleaseCapture();
    mouseSelecting_ = false;
    return;
  } else if (msg == WM_MOUSEMOVE && !mouseSelecting_) {
    return;
  }
  const POINT p = Point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
  bool outside = false;
  const int at = itemAt(p, &outside);
  if (msg == WM_LBUTTONDBLCLK) {
    if (!outside) notify(LBN_DBLCLK);
    return;
  }
  if (at >= 0 && (msg == WM_MOUSEMOVE || !outside) && setCurrent(at)) notify(LBN_SELCHANGE);
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

// ---- the items ----------------------------------------------------------------------------

std::optional<LRESULT> ListBoxControl::itemMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  const int index = static_cast<int>(static_cast<LONG>(wParam));
  switch (msg) {
    case LB_ADDSTRING: return add(reinterpret_cast<const char*>(lParam));
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
    default: return std::nullopt;
  }
}

LRESULT ListBoxControl::add(const char* text) {
  // A sorted list puts the item after every one that sorts before or with it.
  int at = count();
  if (style() & LBS_SORT) {
    const std::u32string key = TextCase::fold(text ? text : "");
    at = 0;
    while (at < count() && TextCase::fold(items_[at].text) <= key) ++at;
  }
  return insert(at, text);
}

// ---- the selection and the rows -----------------------------------------------------------

std::optional<LRESULT> ListBoxControl::selectionMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  const int index = static_cast<int>(static_cast<LONG>(wParam));
  switch (msg) {
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
    case LB_SETITEMHEIGHT: return setItemHeight(index, static_cast<int>(LOWORD(static_cast<std::uintptr_t>(lParam))));
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
    default: return std::nullopt;
  }
}

LRESULT ListBoxControl::setItemHeight(int index, int height) {
  if (height <= 0 || height > 255) return LB_ERR;
  if (variableHeights() && valid(index)) items_[index].height = height;
  else itemHeight_ = height;
  top_ = std::clamp(top_, 0, maxTop());
  updateScrollBar();
  invalidate();
  return 0;
}
