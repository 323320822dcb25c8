#pragma once
// A push button over the standard "BUTTON" window. Default buttons are
// clicked by Enter pressed anywhere on the form except on another button;
// cancel buttons by Escape. A ModalResult closes a modal form with that result.
#include "framework/TCustomForm.h"
#include "framework/TWinControl.h"

class TButton : public TWinControl {
 public:
  TRAINER_CLASS_INFO()

  explicit TButton(TComponent* owner);

  bool Default() const { return default_; }
  void SetDefault(bool value);
  // The default-button flag: this is the button Enter would press, the
  // focused button or, while the focus is on a control that is not a
  // button, the Default one. It follows the focus (CM_FOCUSCHANGED).
  bool DefaultFlag() const { return defaultFlag_; }
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult result) { modalResult_ = result; }

  void Click() override;
  bool IsButtonControl() const override { return true; }
  bool ClicksOnMouseUp() const override { return false; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  // Shows the default-button flag: the plain button switches its window
  // between the push and the default-push style. A button that draws
  // itself shows the flag in its own way and keeps its style.
  virtual void SetButtonStyle(bool isDefault);

 private:
  // The focus moved to `focused` (CM_FOCUSCHANGED): the flag follows it.
  void FocusChanged(const TWinControl* focused);

  bool default_ = false;
  bool defaultFlag_ = false;
  bool cancel_ = false;
  TModalResult modalResult_ = mrNone;
};
