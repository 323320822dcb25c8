#pragma once
// A control without a window: its parent paints it (WM_PAINT arrives with the
// parent's drawing context moved to the control's corner and clipped to it)
// and hands it the mouse messages that fall on it.
#include "framework/TControl.h"
#include "framework/graphics/TCanvas.h"

class TGraphicControl : public TControl {
 public:
  TRAINER_CLASS_INFO()

  explicit TGraphicControl(TComponent* owner) : TControl(owner) {}

  // Valid only while Paint runs.
  TCanvas& Canvas() { return canvas_; }

 protected:
  virtual void Paint() {}
  void WndProc(TMessage& message) override;

 private:
  TCanvas canvas_;
};
