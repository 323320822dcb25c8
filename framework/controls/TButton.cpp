#include "framework/controls/TButton.h"

#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"
#include "platform/controls/ButtonControl.h"
#include "platform/controls/ControlMessages.h"
#include "platform/windowing/WinUser.h"

const TClassInfo& TButton::StaticClassInfo() {
  static const TClassInfo info("TButton", &TWinControl::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<TButton>());
    TPropertyBuilder<TButton>(c)
        .Boolean("Cancel", &TButton::Cancel, &TButton::SetCancel)
        .Boolean("Default", &TButton::Default, &TButton::SetDefault)
        .Integer("ModalResult", &TButton::ModalResult, &TButton::SetModalResult);
  });
  return info;
}

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
}

void TButton::SetDefault(bool value) {
  if (value == default_) return;
  default_ = value;
  if (!HandleAllocated()) return;
  // Every button of the form works its flag out again from the focus.
  if (TCustomForm* form = GetParentForm(this)) {
    form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
    return;
  }
  FocusChanged(nullptr);
}

void TButton::FocusChanged(const TWinControl* focused) {
  defaultFlag_ = focused && focused->IsButtonControl() ? focused == this : default_;
  SetButtonStyle(defaultFlag_);
}

void TButton::SetButtonStyle(bool isDefault) {
  if (!HandleAllocated()) return;
  const DWORD style = isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  if ((static_cast<DWORD>(GetWindowLongPtr(Handle(), GWL_STYLE)) & BS_TYPEMASK) != style)
    SendMessage(Handle(), BM_SETSTYLE, style, TRUE);
}

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  WNDCLASS standard{};
  if (!GetClassInfo(WC_BUTTON, &standard)) ButtonControl::registerClass();
  params.BaseClassName = WC_BUTTON;
  // A new window starts as the Default button says; the focus corrects it.
  defaultFlag_ = default_;
  params.Style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::Click() {
  // The form may close (and the handler may free this button) after this.
  if (modalResult_ != mrNone)
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
  TWinControl::Click();
}

void TButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      if (HIWORD(message.WParam) == BN_CLICKED) {
        Click();
        return;
      }
      break;
    case CM_FOCUSCHANGED:
      FocusChanged(reinterpret_cast<const TWinControl*>(message.LParam));
      break;
    case CM_DIALOGKEY: {
      auto* from = reinterpret_cast<TWinControl*>(message.LParam);
      bool enter = message.WParam == VK_RETURN && default_ && !(from && from->IsButtonControl());
      bool escape = message.WParam == VK_ESCAPE && cancel_;
      if ((enter || escape) && CanFocus()) {
        message.Result = 1;
        Click();
      }
      return;
    }
    default:
      break;
  }
  TWinControl::WndProc(message);
}
