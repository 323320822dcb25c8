#pragma once
// The label of the long task descriptions; UseSkinColor decides whether the
// skin may recolour its text (the forms keep their own black).
#include "controls/labels/TsCustomLabel.h"

class TsLabel : public TsCustomLabel {
 public:
  TRAINER_CLASS_INFO()

  explicit TsLabel(TComponent* owner) : TsCustomLabel(owner) {}

  bool UseSkinColor() const { return useSkinColor_; }
  void SetUseSkinColor(bool value);

  const TFont& CurrentFont() override;

 protected:
  void WndProc(TMessage& message) override;

 private:
  bool useSkinColor_ = true;
};
