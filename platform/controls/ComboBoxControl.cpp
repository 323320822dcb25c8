#include "platform/controls/ComboBoxControl.h"

#include <algorithm>

#include "platform/controls/ControlMessages.h"
#include "platform/controls/ControlPainter.h"
#include "platform/controls/ListBoxControl.h"

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
