#include "platform/controls/UpDownControl.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "platform/controls/ControlMessages.h"
#include "platform/controls/ControlPainter.h"

void UpDownControl::registerClass() {
  WNDCLASS wc;
  wc.lpfnWndProc = &StandardControl::ControlProc<UpDownControl>;
  wc.lpszClassName = UPDOWN_CLASS;
  RegisterClass(&wc);
}

RECT UpDownControl::partRect(Part part) const {
  const RECT c = clientRect();
  const int half = c.Height() / 2;
  return part == kUp ? Rect(0, 0, c.Right, half) : Rect(0, half, c.Right, c.Bottom);
}

UpDownControl::Part UpDownControl::partAt(POINT client) const {
  if (partRect(kUp).Contains(client)) return kUp;
  if (partRect(kDown).Contains(client)) return kDown;
  return kNone;
}

void UpDownControl::updateBuddy() {
  if (!buddy_ || !IsWindow(buddy_) || !(style() & UDS_SETBUDDYINT)) return;
  SetWindowText(buddy_, std::to_string(pos_).c_str());
}

void UpDownControl::readBuddy() {
  if (!buddy_ || !IsWindow(buddy_) || !(style() & UDS_SETBUDDYINT)) return;
  const std::string text = GetWindowTextString(buddy_);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc() && end == text.data() + text.size())
    pos_ = std::clamp(value, std::min(low_, high_), std::max(low_, high_));
}

void UpDownControl::setPosition(int pos, bool notify) {
  pos = std::clamp(pos, std::min(low_, high_), std::max(low_, high_));
  const bool changed = pos != pos_;
  pos_ = pos;
  if (changed) updateBuddy();
  if (!alive() || !notify) return;
  const HWND parent = GetParent(hwnd());
  if (!parent) return;
  SendMessage(parent, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, pos_ & 0xFFFF), reinterpret_cast<LPARAM>(hwnd()));
}

bool UpDownControl::step(int direction) {
  readBuddy();
  // The range may run downwards (low above high): "up" then lowers the number.
  const int delta = low_ <= high_ ? direction : -direction;
  int next = pos_ + delta;
  const int lo = std::min(low_, high_);
  const int hi = std::max(low_, high_);
  if ((style() & UDS_WRAP) && (next > hi || next < lo)) next = next > hi ? lo : hi;
  setPosition(next, true);
  return alive();
}

LRESULT UpDownControl::handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (const std::optional<LRESULT> answer = inputMessage(msg, wParam, lParam)) return *answer;
  if (const std::optional<LRESULT> answer = upDownMessage(msg, wParam, lParam)) return *answer;
  return defaultHandle(msg, wParam, lParam);
}

std::optional<LRESULT> UpDownControl::inputMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pressed(partAt(Point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))));
      return 0;
    case WM_MOUSEMOVE:
      if (pressed_ != kNone) {
        const bool on = partAt(Point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))) == pressed_;
        if (on != pointerOnPressed_) {
          pointerOnPressed_ = on;
          invalidate();
        }
      }
      return 0;
    case WM_TIMER:
      if (wParam != kRepeatTimer || pressed_ == kNone) return 0;
      SetTimer(hwnd(), kRepeatTimer, kRepeatMs, nullptr);
      if (pointerOnPressed_) step(pressed_ == kUp ? 1 : -1);
      return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      released(msg == WM_LBUTTONUP);
      return 0;
    case WM_ENABLE: invalidate(); return 0;
    default: return std::nullopt;
  }
}

void UpDownControl::pressed(Part part) {
  if (part == kNone || !IsWindowEnabled(hwnd())) return;
  if (buddy_ && IsWindow(buddy_)) SetFocus(buddy_);
  if (!alive()) return;
  SetCapture(hwnd());
  pressed_ = part;
  pointerOnPressed_ = true;
  invalidate();
  if (!step(part == kUp ? 1 : -1)) return;
  SetTimer(hwnd(), kRepeatTimer, kFirstDelayMs, nullptr);
}

void UpDownControl::released(bool byButton) {
  if (pressed_ == kNone) return;
  pressed_ = kNone;
  KillTimer(hwnd(), kRepeatTimer);
  if (byButton) ReleaseCapture();
  invalidate();
  if (const HWND parent = GetParent(hwnd()))
    SendMessage(parent, WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, pos_ & 0xFFFF), reinterpret_cast<LPARAM>(hwnd()));
}

std::optional<LRESULT> UpDownControl::upDownMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case UDM_SETRANGE32:
      low_ = static_cast<int>(static_cast<LONG>(wParam));
      high_ = static_cast<int>(static_cast<LONG>(lParam));
      setPosition(pos_, false);
      return 0;
    case UDM_GETRANGE32:
      if (wParam) *reinterpret_cast<int*>(wParam) = low_;
      if (lParam) *reinterpret_cast<int*>(lParam) = high_;
      return 0;
    case UDM_SETRANGE:
      low_ = static_cast<std::int16_t>(HIWORD(static_cast<std::uintptr_t>(lParam)));
      high_ = static_cast<std::int16_t>(LOWORD(static_cast<std::uintptr_t>(lParam)));
      setPosition(pos_, false);
      return 0;
    case UDM_SETPOS32:
    case UDM_SETPOS: {
      const int previous = pos_;
      const int value = msg == UDM_SETPOS32 ? static_cast<int>(static_cast<LONG>(lParam))
                                            : static_cast<std::int16_t>(LOWORD(static_cast<std::uintptr_t>(lParam)));
      setPosition(value, false);
      updateBuddy();
      return previous;
    }
    case UDM_GETPOS32:
      readBuddy();
      if (lParam) *reinterpret_cast<BOOL*>(lParam) = FALSE;
      return pos_;
    case UDM_GETPOS: readBuddy(); return pos_ & 0xFFFF;
    case UDM_SETBUDDY: {
      const HWND previous = buddy_;
      buddy_ = reinterpret_cast<HWND>(wParam);
      updateBuddy();
      return reinterpret_cast<LRESULT>(previous);
    }
    case UDM_GETBUDDY: return reinterpret_cast<LRESULT>(buddy_);
    default: return std::nullopt;
  }
}

void UpDownControl::paint(HDC dc) {
  const bool enabled = IsWindowEnabled(hwnd());
  for (Part part : {kUp, kDown}) {
    const RECT r = partRect(part);
    const bool pushed = pressed_ == part && pointerOnPressed_;
    FillRect(dc, r, clBtnFace);
    ControlPainter::buttonFace(dc, r, pushed, false);
    ControlPainter::arrow(dc, pushed ? r.Offset(1, 1) : r, part == kUp ? ArrowDirection::Up : ArrowDirection::Down,
                          enabled ? clBtnText : clGrayText);
  }
}
