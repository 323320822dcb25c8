#include "framework/controls/TEdit.h"

#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"
#include "platform/controls/ControlMessages.h"
#include "platform/controls/StandardClasses.h"
#include "platform/windowing/WinUser.h"

const TClassInfo& TEdit::StaticClassInfo() {
  static const TClassInfo info("TEdit", &TWinControl::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<TEdit>());
    TPropertyBuilder<TEdit>(c)
        .Boolean("Ctl3D", &TEdit::Ctl3D, &TEdit::SetCtl3D)
        .Integer("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength)
        .Boolean("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly)
        .String("Text", &TEdit::CurrentText, &TEdit::SetText)
        .Event("OnChange", &TEdit::OnChange);
  });
  return info;
}

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 21);
  SetTabStop(true);
  SetColor(clWindow);
}

void TEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  WNDCLASS standard{};
  if (!GetClassInfo(WC_EDIT, &standard)) RegisterStandardClasses();
  params.BaseClassName = WC_EDIT;
  params.Style |= ES_AUTOHSCROLL | WS_BORDER;
  if (readOnly_) params.Style |= ES_READONLY;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TEdit::CreateWnd() {
  TWinControl::CreateWnd();
  if (HandleAllocated() && maxLength_ > 0) SendMessage(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

std::string TEdit::CurrentText() const {
  if (HandleAllocated()) return GetWindowTextString(const_cast<TEdit*>(this)->Handle());
  return Text();
}

void TEdit::SetText(const std::string& text) {
  if (HandleAllocated()) SetWindowText(Handle(), text.c_str());
  TControl::SetText(text);
}

void TEdit::SetReadOnly(bool readOnly) {
  if (readOnly == readOnly_) return;
  readOnly_ = readOnly;
  if (HandleAllocated()) SendMessage(Handle(), EM_SETREADONLY, readOnly ? 1 : 0, 0);
}

void TEdit::SetMaxLength(int length) {
  if (length == maxLength_ || length < 0) return;
  maxLength_ = length;
  if (HandleAllocated()) SendMessage(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(length), 0);
}

void TEdit::Change() {
  if (OnChange) OnChange(this);
}

void TEdit::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == EN_CHANGE) {
    TControl::SetText(CurrentText());
    Change();
    return;
  }
  TWinControl::WndProc(message);
}
