#pragma once
// The caption label a list box, combo box or edit shows beside itself when
// its bound caption is active. The caption's settings outlive their label,
// so a label that goes away tells them it is gone.
#include "controls/labels/TsLabel.h"

class TsBoundLabel;

class TsEditLabel : public TsLabel {
 public:
  TRAINER_CLASS_INFO()

  TsEditLabel(TComponent* owner, TsBoundLabel* settings);
  ~TsEditLabel() override;

  TsBoundLabel* BoundLabel() const { return settings_; }

 private:
  TsBoundLabel* settings_;
};
