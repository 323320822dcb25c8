#pragma once
// A windowed control that paints itself on a canvas (Paint), in a window of
// the framework's own class named after the control's class.
#include "framework/TWinControl.h"
#include "framework/graphics/TCanvas.h"

class TCustomControl : public TWinControl {
 public:
  TRAINER_CLASS_INFO()

  explicit TCustomControl(TComponent* owner) : TWinControl(owner) {}

  // Valid only while Paint runs.
  TCanvas& Canvas() { return canvas_; }

 protected:
  virtual void Paint() {}
  bool CustomPaint() const override { return true; }
  void PaintWindow(HDC dc) override;

 private:
  TCanvas canvas_;
};
