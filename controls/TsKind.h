#pragma once
// Where a TsLabelFX takes its text colour from: the label's Color
// (ktStandard), its own Color here (ktCustom) or the skin (ktSkin, with this
// Color as the fallback). Every change repaints the owning label.
#include <functional>

#include "framework/TPersistent.h"
#include "platform/Color.h"

enum TsKindType { ktStandard, ktCustom, ktSkin };

class TsKind : public TPersistent {
 public:
  TRAINER_CLASS_INFO()

  // `changed` is called after every real change.
  explicit TsKind(std::function<void()> changed) : changed_(std::move(changed)) {}

  TsKindType KindType() const { return kindType_; }
  void SetKindType(TsKindType type);
  TColor Color() const { return color_; }
  void SetColor(TColor color);

 private:
  std::function<void()> changed_;
  TsKindType kindType_ = ktSkin;
  TColor color_ = clWhite;
};
