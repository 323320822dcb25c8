// The combo box's messages, by topic: the window's life and look, focus and
// input (with the field's notices and the list's answers), and the CB_
// messages about the items and the drop-down. What none takes goes to the
// default handling.
#include <algorithm>
#include <cstdint>

#include "platform/controls/ComboBoxControl.h"
#include "platform/controls/ControlMessages.h"
#include "platform/controls/DialogKeys.h"
#include "platform/controls/ListBoxControl.h"
#include "platform/controls/TextCase.h"

LRESULT ComboBoxControl::handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (const std::optional<LRESULT> answer = windowMessage(msg, wParam, lParam)) return *answer;
  if (const std::optional<LRESULT> answer = inputMessage(msg, wParam, lParam)) return *answer;
  if (const std::optional<LRESULT> answer = itemMessage(msg, wParam, lParam)) return *answer;
  if (const std::optional<LRESULT> answer = dropDownMessage(msg, wParam, lParam)) return *answer;
  return defaultHandle(msg, wParam, lParam);
}

// ---- the window's life and look ---------------------------------------------------

std::optional<LRESULT> ComboBoxControl::windowMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_NCCREATE:
      takeFrameStyles();
      return defaultHandle(msg, wParam, lParam);
    case WM_CREATE: return createParts() ? 0 : -1;
    case WM_DESTROY:
      if (list_) DestroyWindow(list_);
      list_ = nullptr;
      return 0;
    case WM_SIZE: layout(); invalidate(); return 0;
    case WM_GETDLGCODE: {
      // With the list open, Enter chooses and Escape closes: the dialog's
      // default and cancel buttons must not see those keys.
      const auto* key = reinterpret_cast<const MSG*>(lParam);
      const bool listKey = key && key->message == WM_KEYDOWN && (key->wParam == VK_RETURN || key->wParam == VK_ESCAPE);
      return DLGC_WANTARROWS | DLGC_WANTCHARS | (dropped_ && listKey ? DLGC_WANTMESSAGE : 0);
    }
    case WM_SETFONT:
      forwardFont(wParam, lParam);
      return defaultHandle(msg, wParam, lParam);
    case WM_ENABLE:
      if (edit_) EnableWindow(edit_, wParam != 0);
      invalidate();
      return 0;
    case WM_SETTEXT: return setText(reinterpret_cast<const char*>(lParam), lParam);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      // The box's parent colours the field and the list, as it colours the box.
      return GetParent(hwnd()) ? SendMessage(GetParent(hwnd()), msg, wParam, reinterpret_cast<LPARAM>(hwnd())) : 0;
    default: return std::nullopt;
  }
}

void ComboBoxControl::takeFrameStyles() {
  // The box draws its own border in its client area, and scroll bars asked
  // for belong to its list: the box itself keeps no frame, so its drop-down
  // button sits at its right edge. A plain border means the flat look.
  const DWORD own = style();
  flat_ = (own & WS_BORDER) != 0;
  SetWindowLongPtr(hwnd(), GWL_STYLE, static_cast<LONG_PTR>(own & ~(WS_BORDER | WS_HSCROLL | WS_VSCROLL)));
  SetWindowLongPtr(hwnd(), GWL_EXSTYLE, GetWindowLongPtr(hwnd(), GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE));
}

bool ComboBoxControl::createParts() {
  const DWORD type = style_ & CBS_TYPEMASK;
  if (type != CBS_DROPDOWNLIST)
    edit_ = CreateWindowEx(0, WC_EDIT, "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 1, 1, hwnd(), kEditId, nullptr);
  list_ = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST, WC_COMBOLBOX, "",
                         WS_POPUP | WS_BORDER | WS_VSCROLL | ((style_ & CBS_SORT) ? LBS_SORT : 0), 0, 0, 1, 1, hwnd(),
                         kListId, hwnd());
  if (!list_ || (type != CBS_DROPDOWNLIST && !edit_)) return false;
  layout();
  return true;
}

void ComboBoxControl::forwardFont(WPARAM wParam, LPARAM lParam) {
  if (edit_) SendMessage(edit_, WM_SETFONT, wParam, lParam);
  if (list_) SendMessage(list_, WM_SETFONT, wParam, lParam);
}

LRESULT ComboBoxControl::setText(const char* text, LPARAM lParam) {
  if (edit_) {
    showFieldText(text ? text : "");
    return TRUE;
  }
  // A drop-down list can only show one of its items.
  const int found = static_cast<int>(list(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), lParam));
  if (found < 0) return CB_ERR;
  select(found);
  return TRUE;
}

// ---- focus and input ----------------------------------------------------------------

std::optional<LRESULT> ComboBoxControl::inputMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_SETFOCUS:
      if (edit_) {
        SetFocus(edit_);
        return 0;
      }
      gainFocus();
      return 0;
    case WM_KILLFOCUS: {
      const HWND to = reinterpret_cast<HWND>(wParam);
      if (to && (to == edit_ || to == list_)) return 0;
      focused_ = false;
      close(-1);
      if (alive()) invalidate();
      if (alive()) notifyParent(CBN_KILLFOCUS);
      return 0;
    }
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lParam) == edit_ && edit_) fieldNotice(HIWORD(wParam));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pressed(Point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
      return 0;
    case WM_KEYDOWN:
      if (!onKeyDown(wParam, false)) DialogKeys::handleKey(hwnd(), wParam);
      return 0;
    case WM_SYSKEYDOWN:
      if ((wParam == VK_DOWN || wParam == VK_UP) && onKeyDown(wParam, true)) return 0;
      return defaultHandle(msg, wParam, lParam);
    case WM_CHAR:
      typed(static_cast<char32_t>(wParam));
      return 0;
    case WM_MOUSEWHEEL:
      if (dropped_) return list(msg, wParam, lParam);
      return defaultHandle(msg, wParam, lParam);
    case ListBoxControl::kListChosen: close(static_cast<int>(static_cast<LONG>(wParam))); return 0;
    case ListBoxControl::kListDismissed: close(-1); return 0;
    default: return std::nullopt;
  }
}

void ComboBoxControl::gainFocus() {
  focused_ = true;
  invalidate();
  notifyParent(CBN_SETFOCUS);
}

void ComboBoxControl::fieldNotice(WORD code) {
  switch (code) {
    case EN_CHANGE:
      if (settingText_) return;
      DefWindowProc(hwnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(GetWindowTextString(edit_).c_str()));
      notifyParent(CBN_EDITCHANGE);
      return;
    case EN_UPDATE:
      if (!settingText_) notifyParent(CBN_EDITUPDATE);
      return;
    case EN_SETFOCUS:
      gainFocus();
      return;
    case EN_KILLFOCUS: {
      const HWND to = GetFocus();
      if (to == hwnd() || to == list_) return;
      focused_ = false;
      close(-1);
      if (alive()) notifyParent(CBN_KILLFOCUS);
      return;
    }
    default: return;
  }
}

void ComboBoxControl::pressed(POINT p) {
  SetFocus(edit_ ? edit_ : hwnd());
  if (!alive()) return;
  if (edit_ && !buttonRect().Contains(p)) return;
  if (dropped_) close(-1);
  else open(true);
}

void ComboBoxControl::typed(char32_t ch) {
  // A drop-down list jumps to the next item starting with the typed letter.
  if (edit_ || ch < 0x20) return;
  const int found = static_cast<int>(list(LB_FINDSTRING, static_cast<WPARAM>(selected_),
                                          reinterpret_cast<LPARAM>(TextCase::encode(ch).c_str())));
  if (found < 0) return;
  if (dropped_) list(LB_SETCURSEL, static_cast<WPARAM>(found));
  else choose(found);
}

// ---- the items ------------------------------------------------------------------------

std::optional<LRESULT> ComboBoxControl::itemMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  const auto index = static_cast<int>(static_cast<LONG>(wParam));
  switch (msg) {
    case CB_ADDSTRING:
    case CB_INSERTSTRING: {
      const LRESULT at = list(msg == CB_ADDSTRING ? LB_ADDSTRING : LB_INSERTSTRING, wParam, lParam);
      itemInserted(at);
      return at;
    }
    case CB_DELETESTRING: return deleteItem(index, wParam);
    case CB_RESETCONTENT:
      selected_ = -1;
      list(LB_RESETCONTENT);
      if (!edit_) showFieldText("");
      return CB_OKAY;
    case CB_GETCOUNT: return list(LB_GETCOUNT);
    case CB_GETCURSEL: return selected_;
    case CB_SETCURSEL:
      select(index);
      return index >= 0 && index < list(LB_GETCOUNT) ? index : CB_ERR;
    case CB_GETLBTEXT: return list(LB_GETTEXT, wParam, lParam);
    case CB_GETLBTEXTLEN: return list(LB_GETTEXTLEN, wParam);
    case CB_GETITEMDATA: return list(LB_GETITEMDATA, wParam);
    case CB_SETITEMDATA: return list(LB_SETITEMDATA, wParam, lParam);
    case CB_FINDSTRING: return list(LB_FINDSTRING, wParam, lParam);
    case CB_FINDSTRINGEXACT: return list(LB_FINDSTRINGEXACT, wParam, lParam);
    case CB_SELECTSTRING: {
      const int found = static_cast<int>(list(LB_FINDSTRING, wParam, lParam));
      if (found >= 0) select(found);
      return found;
    }
    case CB_GETITEMHEIGHT: return list(LB_GETITEMHEIGHT);
    case CB_SETITEMHEIGHT: return list(LB_SETITEMHEIGHT, 0, lParam);
    case CB_GETTOPINDEX: return list(LB_GETTOPINDEX);
    case CB_SETTOPINDEX: return list(LB_SETTOPINDEX, wParam);
    default: return std::nullopt;
  }
}

LRESULT ComboBoxControl::deleteItem(int index, WPARAM wParam) {
  const LRESULT r = list(LB_DELETESTRING, wParam);
  if (r == LB_ERR) return CB_ERR;
  if (index == selected_) {
    selected_ = -1;
    if (!edit_) showFieldText("");
  } else if (index < selected_) {
    --selected_;
  }
  return r;
}

// ---- the drop-down and the field ----------------------------------------------------------

std::optional<LRESULT> ComboBoxControl::dropDownMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  const auto index = static_cast<int>(static_cast<LONG>(wParam));
  switch (msg) {
    case CB_SHOWDROPDOWN:
      if (wParam) open(false);
      else close(-1);
      return TRUE;
    case CB_GETDROPPEDSTATE: return dropped_ ? TRUE : FALSE;
    case CB_GETDROPPEDWIDTH: {
      RECT r{};
      GetWindowRect(hwnd(), &r);
      return std::max(r.Width(), droppedWidth_);
    }
    case CB_SETDROPPEDWIDTH:
      droppedWidth_ = index;
      return std::max(index, 0);
    case CB_GETDROPPEDCONTROLRECT: {
      auto* out = reinterpret_cast<RECT*>(lParam);
      if (!out) return CB_ERR;
      GetWindowRect(hwnd(), out);
      return TRUE;
    }
    case CB_SETMINVISIBLE:
      if (index <= 0) return FALSE;
      visibleItems_ = index;
      return TRUE;
    case CB_GETMINVISIBLE: return visibleItems_;
    case CB_GETEDITSEL: return edit_ ? SendMessage(edit_, EM_GETSEL, wParam, lParam) : CB_ERR;
    case CB_SETEDITSEL:
      if (!edit_) return CB_ERR;
      SendMessage(edit_, EM_SETSEL, static_cast<WPARAM>(static_cast<std::int16_t>(LOWORD(static_cast<std::uintptr_t>(lParam)))),
                  static_cast<LPARAM>(static_cast<std::int16_t>(HIWORD(static_cast<std::uintptr_t>(lParam)))));
      return TRUE;
    case CB_LIMITTEXT: return edit_ ? SendMessage(edit_, EM_LIMITTEXT, wParam, 0) : CB_ERR;
    case CB_GETCOMBOBOXINFO: return answerInfo(reinterpret_cast<COMBOBOXINFO*>(lParam));
    default: return std::nullopt;
  }
}

LRESULT ComboBoxControl::answerInfo(COMBOBOXINFO* info) const {
  if (!info) return FALSE;
  info->rcItem = fieldRect();
  info->rcButton = buttonRect();
  info->stateButton = dropped_ ? 0x8 /* STATE_SYSTEM_PRESSED */ : 0;
  info->hwndCombo = hwnd();
  info->hwndItem = edit_;
  info->hwndList = list_;
  return TRUE;
}
