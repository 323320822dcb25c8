#pragma once
// A single-line text field over the standard "EDIT" window. OnChange fires
// on every change of the text.
#include "framework/TWinControl.h"

class TEdit : public TWinControl {
 public:
  TRAINER_CLASS_INFO()

  explicit TEdit(TComponent* owner);

  std::string CurrentText() const;
  void SetText(const std::string& text) override;
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int length);
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool value) { ctl3D_ = value; }

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  bool ClicksOnMouseUp() const override { return false; }
  virtual void Change();

 private:
  bool readOnly_ = false;
  int maxLength_ = 0;
  bool ctl3D_ = true;
};
