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

 private:
  bool default_ = false;
  bool cancel_ = false;
  TModalResult modalResult_ = mrNone;
};
