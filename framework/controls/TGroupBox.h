#pragma once
// A captioned frame that holds other controls, over the standard "BUTTON"
// window in group-box style. Disabling it disables what it holds.
#include "framework/TWinControl.h"

class TGroupBox : public TWinControl {
 public:
  TRAINER_CLASS_INFO()

  explicit TGroupBox(TComponent* owner);

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
};
