#include "platform/controls/ComboBoxControl.h"

#include <algorithm>

#include "platform/controls/ControlMessages.h"
#include "platform/controls/ControlPainter.h"
#include "platform/controls/DialogKeys.h"
#include "platform/controls/ListBoxControl.h"
#include "platform/controls/TextCase.h"

void ComboBoxControl::registerClass() {
  WNDCLASS wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = &StandardControl::ControlProc<ComboBoxControl>;
  wc.lpszClassName = WC_COMBOBOX;
  RegisterClass(&wc);
}

RECT ComboBoxControl::buttonRect() const {
  const RECT c = clientRect();
  const int width = GetSystemMetrics(SM_CXVSCROLL);
  const int edge = edgeWidth();
  return Rect(std::max(edge, c.Right - edge - width), edge, c.Right - edge, c.Bottom - edge);
}

RECT ComboBoxControl::fieldRect() const {
  const RECT c = clientRect();
  return Rect(edgeWidth(), edgeWidth(), buttonRect().Left, c.Bottom - edgeWidth());
}

void ComboBoxControl::layout() {
  if (!edit_) return;
  const RECT f = fieldRect();
  MoveWindow(edit_, f.Left + 1, f.Top + 1, std::max(0, f.Width() - 1), std::max(0, f.Height() - 2), TRUE);
}

LRESULT ComboBoxControl::list(UINT msg, WPARAM wParam, LPARAM lParam) const {
  return list_ ? SendMessage(list_, msg, wParam, lParam) : CB_ERR;
}

int ComboBoxControl::highlighted() const { return static_cast<int>(list(LB_GETCURSEL)); }

void ComboBoxControl::itemInserted(LRESULT at) {
  if (at >= 0 && selected_ >= at) ++selected_;
}

void ComboBoxControl::showFieldText(const std::string& text) {
  DefWindowProc(hwnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (edit_) {
    settingText_ = true;
    SetWindowText(edit_, text.c_str());
    settingText_ = false;
    if (alive() && IsWindow(edit_)) SendMessage(edit_, EM_SETSEL, 0, -1);
  }
  invalidate();
}

bool ComboBoxControl::select(int index) {
  const int before = selected_;
  list(LB_SETCURSEL, static_cast<WPARAM>(index));
  const int now = highlighted();
  selected_ = now;
  std::string text;
  if (now >= 0) {
    text.resize(static_cast<std::size_t>(std::max<LRESULT>(0, list(LB_GETTEXTLEN, now))));
    list(LB_GETTEXT, now, reinterpret_cast<LPARAM>(text.data()));
  }
  if (now >= 0 || !edit_) showFieldText(text);
  return now != before;
}

void ComboBoxControl::choose(int index) {
  if (select(index)) notifyParent(CBN_SELCHANGE);
}

void ComboBoxControl::open(bool byMouse) {
  if (dropped_ || !list_) return;
  if (!notifyParent(CBN_DROPDOWN)) return;
  RECT field{};
  GetWindowRect(hwnd(), &field);
  const int itemHeight = static_cast<int>(list(LB_GETITEMHEIGHT));
  const int lines = std::clamp(static_cast<int>(list(LB_GETCOUNT)), 1, std::max(1, visibleItems_));
  const int height = lines * itemHeight + 2;
  const int width = std::max(field.Width(), droppedWidth_);
  int top = field.Bottom;
  // Above the field when the screen ends below it.
  if (top + height > GetSystemMetrics(SM_CYSCREEN) && field.Top - height >= 0) top = field.Top - height;
  dropped_ = true;
  SetWindowPos(list_, HWND_TOPMOST, field.Left, top, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  list(LB_SETCURSEL, static_cast<WPARAM>(selected_));
  list(ListBoxControl::kListOpened, byMouse ? 1 : 0);
  invalidate();
}

void ComboBoxControl::close(int chosen) {
  if (!dropped_) return;
  dropped_ = false;
  list(ListBoxControl::kListClosed);
  // An abandoned drop-down leaves the box's own choice highlighted again.
  list(LB_SETCURSEL, static_cast<WPARAM>(selected_));
  ShowWindow(list_, SW_HIDE);
  invalidate();
  if (!notifyParent(CBN_CLOSEUP)) return;
  if (chosen >= 0) {
    if (!notifyParent(CBN_SELENDOK)) return;
    // A choice made in the list is announced even when it repeats the
    // current entry: the user picked it again (and the field may have been
    // edited since), so the parent must hear about it.
    select(chosen);
    notifyParent(CBN_SELCHANGE);
  } else {
    notifyParent(CBN_SELENDCANCEL);
  }
  if (alive() && edit_ && GetFocus() == edit_) SendMessage(edit_, EM_SETSEL, 0, -1);
}

bool ComboBoxControl::onKeyDown(WPARAM key, bool alt) {
  if (dropped_) {
    switch (key) {
      case VK_RETURN:
      case VK_F4: close(highlighted()); return true;
      case VK_UP:
        if (alt) {
          close(highlighted());
          return true;
        }
        [[fallthrough]];
      case VK_DOWN:
      case VK_PRIOR:
      case VK_NEXT:
      case VK_HOME:
      case VK_END: list(WM_KEYDOWN, key); return true;
      case VK_ESCAPE: close(-1); return true;
      default: return false;
    }
  }
  const int count = static_cast<int>(list(LB_GETCOUNT));
  switch (key) {
    case VK_F4: open(false); return true;
    case VK_DOWN:
      if (alt) {
        open(false);
        return true;
      }
      if (count > 0) choose(std::min(selected_ + 1, count - 1));
      return true;
    case VK_UP:
      if (count > 0) choose(std::max(selected_ - 1, 0));
      return true;
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
      if (edit_ || count == 0) return false;
      if (key == VK_HOME) choose(0);
      else if (key == VK_END) choose(count - 1);
      else choose(std::clamp(selected_ + (key == VK_NEXT ? visibleItems_ - 1 : 1 - visibleItems_), 0, count - 1));
      return true;
    default: return false;
  }
}

void ComboBoxControl::forwardFont(WPARAM wParam, LPARAM lParam) {
  if (edit_) SendMessage(edit_, WM_SETFONT, wParam, lParam);
  if (list_) SendMessage(list_, WM_SETFONT, wParam, lParam);
}

LRESULT ComboBoxControl::handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  const auto index = static_cast<int>(static_cast<LONG>(wParam));
  switch (msg) {
    case WM_NCCREATE: {
      // The box draws its own border in its client area, and scroll bars
      // asked for belong to its list: the box itself keeps no frame, so its
      // drop-down button sits at its right edge. A plain border means the
      // flat look.
      const DWORD own = style();
      flat_ = (own & WS_BORDER) != 0;
      SetWindowLongPtr(hwnd(), GWL_STYLE, static_cast<LONG_PTR>(own & ~(WS_BORDER | WS_HSCROLL | WS_VSCROLL)));
      SetWindowLongPtr(hwnd(), GWL_EXSTYLE,
                       GetWindowLongPtr(hwnd(), GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE));
      return defaultHandle(msg, wParam, lParam);
    }
    case WM_CREATE: {
      const DWORD type = style_ & CBS_TYPEMASK;
      if (type != CBS_DROPDOWNLIST)
        edit_ = CreateWindowEx(0, WC_EDIT, "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 1, 1, hwnd(), kEditId,
                               nullptr);
      list_ = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST, WC_COMBOLBOX, "",
                             WS_POPUP | WS_BORDER | WS_VSCROLL | ((style_ & CBS_SORT) ? LBS_SORT : 0), 0, 0, 1, 1,
                             hwnd(), kListId, hwnd());
      if (!list_ || (type != CBS_DROPDOWNLIST && !edit_)) return -1;
      layout();
      return 0;
    }
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
    case WM_SETFOCUS:
      if (edit_) {
        SetFocus(edit_);
        return 0;
      }
      focused_ = true;
      invalidate();
      notifyParent(CBN_SETFOCUS);
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
      if (reinterpret_cast<HWND>(lParam) == edit_ && edit_) {
        switch (HIWORD(wParam)) {
          case EN_CHANGE:
            if (settingText_) return 0;
            DefWindowProc(hwnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(GetWindowTextString(edit_).c_str()));
            notifyParent(CBN_EDITCHANGE);
            return 0;
          case EN_UPDATE:
            if (!settingText_) notifyParent(CBN_EDITUPDATE);
            return 0;
          case EN_SETFOCUS:
            focused_ = true;
            invalidate();
            notifyParent(CBN_SETFOCUS);
            return 0;
          case EN_KILLFOCUS: {
            const HWND to = GetFocus();
            if (to == hwnd() || to == list_) return 0;
            focused_ = false;
            close(-1);
            if (alive()) notifyParent(CBN_KILLFOCUS);
            return 0;
          }
          default: return 0;
        }
      }
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      // The box's parent colours the field and the list, as it colours the box.
      return GetParent(hwnd()) ? SendMessage(GetParent(hwnd()), msg, wParam, reinterpret_cast<LPARAM>(hwnd())) : 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      SetFocus(edit_ ? edit_ : hwnd());
      if (!alive()) return 0;
      const POINT p = Point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      if (!edit_ || buttonRect().Contains(p)) {
        if (dropped_) close(-1);
        else open(true);
      }
      return 0;
    }
    case WM_KEYDOWN:
      if (!onKeyDown(wParam, false)) DialogKeys::handleKey(hwnd(), wParam);
      return 0;
    case WM_SYSKEYDOWN:
      if ((wParam == VK_DOWN || wParam == VK_UP) && onKeyDown(wParam, true)) return 0;
      return defaultHandle(msg, wParam, lParam);
    case WM_CHAR: {
      // A drop-down list jumps to the next item starting with the typed letter.
      const char32_t ch = static_cast<char32_t>(wParam);
      if (edit_ || ch < 0x20) return 0;
      const int found = static_cast<int>(list(LB_FINDSTRING, static_cast<WPARAM>(selected_),
                                              reinterpret_cast<LPARAM>(TextCase::encode(ch).c_str())));
      if (found < 0) return 0;
      if (dropped_) list(LB_SETCURSEL, static_cast<WPARAM>(found));
      else choose(found);
      return 0;
    }
    case WM_MOUSEWHEEL:
      if (dropped_) return list(msg, wParam, lParam);
      return defaultHandle(msg, wParam, lParam);
    case WM_SETTEXT: {
      const char* text = reinterpret_cast<const char*>(lParam);
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
    case ListBoxControl::kListChosen: close(index); return 0;
    case ListBoxControl::kListDismissed: close(-1); return 0;

    case CB_ADDSTRING:
    case CB_INSERTSTRING: {
      const LRESULT at = list(msg == CB_ADDSTRING ? LB_ADDSTRING : LB_INSERTSTRING, wParam, lParam);
      itemInserted(at);
      return at;
    }
    case CB_DELETESTRING: {
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
    case CB_GETCOMBOBOXINFO: {
      auto* info = reinterpret_cast<COMBOBOXINFO*>(lParam);
      if (!info) return FALSE;
      info->rcItem = fieldRect();
      info->rcButton = buttonRect();
      info->stateButton = dropped_ ? 0x8 /* STATE_SYSTEM_PRESSED */ : 0;
      info->hwndCombo = hwnd();
      info->hwndItem = edit_;
      info->hwndList = list_;
      return TRUE;
    }
    default: return defaultHandle(msg, wParam, lParam);
  }
}

void ComboBoxControl::paint(HDC dc) {
  RECT client = clientRect();
  const bool enabled = IsWindowEnabled(hwnd());
  const int saved = SaveDC(dc);
  SelectObject(dc, font());
  const TColor background = backgroundFromParent(dc, edit_ ? WM_CTLCOLOREDIT : WM_CTLCOLORLISTBOX,
                                                 enabled ? clWindowText : clGrayText, enabled ? clWindow : clBtnFace);
  const TColor textColor = GetTextColor(dc);
  if (flat_) {
    FrameRect(dc, client, CreateSolidBrush(clWindowFrame));
    client = client.Inflate(-1, -1);
  } else {
    DrawEdge(dc, client, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  }
  FillRect(dc, client, background);

  const RECT button = buttonRect();
  ControlPainter::buttonFace(dc, button, dropped_, false);
  RECT arrowArea = dropped_ ? button.Offset(1, 1) : button;
  ControlPainter::arrow(dc, arrowArea, ArrowDirection::Down, enabled ? clBtnText : clGrayText);

  if (!edit_) {
    const RECT field = fieldRect();
    const RECT box = Rect(field.Left + 1, field.Top + 1, field.Right - 1, field.Bottom - 1);
    const bool highlight = focused_ && !dropped_ && enabled;
    if (highlight) FillRect(dc, box, clHighlight);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, highlight ? clHighlightText : textColor);
    TRect text = Rect(box.Left + 2, box.Top, box.Right - 1, box.Bottom);
    DrawText(dc, GetWindowTextString(hwnd()), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (highlight) DrawFocusRect(dc, box);
  }
  RestoreDC(dc, saved);
}
