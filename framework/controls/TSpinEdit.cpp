#include "framework/controls/TSpinEdit.h"

#include <charconv>

#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"
#include "platform/controls/ControlMessages.h"
#include "platform/windowing/WinUser.h"

namespace {
constexpr int kArrowWidth = 15;
}

const TClassInfo& TSpinEdit::StaticClassInfo() {
  static const TClassInfo info("TSpinEdit", &TEdit::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<TSpinEdit>());
    TPropertyBuilder<TSpinEdit>(c)
        .Integer("Increment", &TSpinEdit::Increment, &TSpinEdit::SetIncrement)
        .Integer("MaxValue", &TSpinEdit::MaxValue, &TSpinEdit::SetMaxValue)
        .Integer("MinValue", &TSpinEdit::MinValue, &TSpinEdit::SetMinValue)
        .Integer("Value", &TSpinEdit::Value, &TSpinEdit::SetValue);
  });
  return info;
}

TSpinEdit::TSpinEdit(TComponent* owner) : TEdit(owner) { SetText("0"); }

int TSpinEdit::Clamp(int value) const {
  if (maxValue_ == minValue_) return value;
  return std::min(std::max(value, minValue_), maxValue_);
}

int TSpinEdit::Value() const {
  const std::string text = CurrentText();
  const char* first = text.data();
  const char* last = first + text.size();
  // An integer's text may start with a plus sign (but not with "+-").
  if (first != last && *first == '+' && last - first > 1 && first[1] != '-') ++first;
  int value = 0;
  auto [end, ec] = std::from_chars(first, last, value);
  if (ec != std::errc() || end != last || first == last) value = minValue_;
  return Clamp(value);
}

void TSpinEdit::SetValue(int value) {
  // While loading the limits may still follow; Loaded clamps.
  int next = IsLoading() ? value : Clamp(value);
  SetText(std::to_string(next));
  if (upDown_) SendMessage(upDown_, UDM_SETPOS32, 0, next);
}

void TSpinEdit::SetMinValue(int value) {
  minValue_ = value;
  UpdateRange();
}

void TSpinEdit::SetMaxValue(int value) {
  maxValue_ = value;
  UpdateRange();
}

void TSpinEdit::UpdateRange() {
  if (upDown_) SendMessage(upDown_, UDM_SETRANGE32, static_cast<WPARAM>(minValue_), maxValue_);
}

void TSpinEdit::Loaded() {
  TEdit::Loaded();
  SetValue(Value());
}

void TSpinEdit::CreateWnd() {
  TEdit::CreateWnd();
  if (!HandleAllocated()) return;
  // The arrows sit inside the field's right edge and step it by themselves.
  upDown_ = CreateWindowEx(0, UPDOWN_CLASS, "", WS_CHILD | WS_VISIBLE | UDS_ARROWKEYS, ClientWidth() - kArrowWidth, 0,
                           kArrowWidth, ClientHeight(), Handle(), 0, nullptr);
  if (upDown_) {
    UpdateRange();
    SendMessage(upDown_, UDM_SETPOS32, 0, Value());
  }
}

void TSpinEdit::Step(int direction) {
  SetValue(Value() + direction * increment_);
  SetFocus();
}

void TSpinEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_VSCROLL:
      // The arrows report here, their parent window.
      if (upDown_ && reinterpret_cast<HWND>(message.LParam) == upDown_) {
        int code = LOWORD(message.WParam);
        if (code == SB_THUMBPOSITION || code == SB_LINEUP || code == SB_LINEDOWN) {
          int pos = static_cast<int>(SendMessage(upDown_, UDM_GETPOS32, 0, 0));
          if (pos != Value()) SetValue(pos);
        }
        return;
      }
      break;
    case WM_KEYDOWN:
      if (message.WParam == VK_UP || message.WParam == VK_DOWN) {
        Step(message.WParam == VK_UP ? 1 : -1);
        return;
      }
      break;
    case WM_KILLFOCUS:
      // Typed text may lie outside the limits (or be no number) while the
      // field is being edited; leaving it brings it into range.
      if (!IsDestroying() && CurrentText() != std::to_string(Value())) SetValue(Value());
      break;
    case WM_NCDESTROY:
      upDown_ = nullptr;
      break;
    default:
      break;
  }
  TEdit::WndProc(message);
}
