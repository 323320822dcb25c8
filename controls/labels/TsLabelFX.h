#pragma once
// The heading label: its text over a soft blurred shadow. Kind chooses the
// text colour, Shadow whose shadow settings apply. A label that sizes itself
// grows by the room the shadow takes, and writes its text inside it.
#include "controls/TsKind.h"
#include "controls/labels/TsCustomLabel.h"
#include "controls/labels/TsShadow.h"
#include "paint/TacLabelShadow.h"

class TsLabelFX : public TsCustomLabel {
 public:
  TRAINER_CLASS_INFO()

  explicit TsLabelFX(TComponent* owner);

  TsKind& Kind() { return kind_; }
  const TsKind& Kind() const { return kind_; }
  TsShadow& Shadow() { return shadow_; }
  const TsShadow& Shadow() const { return shadow_; }

  // The colour the text is written in over its shadow, as Kind chooses it.
  TColor TextColor() const;
  // The shadow settings in force: the label's own, or the skin's for smSkin1
  // when the skin has a shadow.
  TacShadowSettings ShadowSettings();
  // The room kept for the shadow since the size was last calculated.
  const TacShadowMargins& Margins() const { return margins_; }
  // The shadow's picture and coverage as the last paint left them.
  const TacLabelShadow& ShadowPainter() const { return painter_; }

 protected:
  void DoDrawText(TRect& rect, unsigned flags) override;

 private:
  TsKind kind_{[this] { Changed(); }};
  TsShadow shadow_{[this] { Changed(); }};
  TacShadowMargins margins_;
  TacLabelShadow painter_;
};
