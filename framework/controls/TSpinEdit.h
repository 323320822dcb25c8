#pragma once
// A number field: an "EDIT" window with up-down arrows that step the value
// by Increment within MinValue..MaxValue (no limits when both are equal).
// Text that is not a number reads as MinValue. While the field has the focus
// its text stays as typed; losing the focus writes the value back, brought
// into the limits.
#include "framework/controls/TEdit.h"

class TSpinEdit : public TEdit {
 public:
  TRAINER_CLASS_INFO()

  explicit TSpinEdit(TComponent* owner);

  int Value() const;
  void SetValue(int value);
  int MinValue() const { return minValue_; }
  void SetMinValue(int value);
  int MaxValue() const { return maxValue_; }
  void SetMaxValue(int value);
  int Increment() const { return increment_; }
  void SetIncrement(int value) { increment_ = value; }

  HWND UpDown() const { return upDown_; }

 protected:
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  void Loaded() override;

 private:
  int Clamp(int value) const;
  void UpdateRange();
  void Step(int direction);

  int minValue_ = 0;
  int maxValue_ = 0;
  int increment_ = 1;
  HWND upDown_ = nullptr;
};
