#pragma once
// Base of the drawing-tool objects (font, brush, pen): published settings
// that report every change, so the control or canvas using them can follow.
#include "framework/Events.h"
#include "framework/TPersistent.h"

class TGraphicsObject : public TPersistent {
 public:
  TRAINER_CLASS_INFO()

  TNotifyEvent OnChange;

 protected:
  void Changed() {
    if (OnChange) OnChange(this);
  }
};
