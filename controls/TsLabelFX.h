#pragma once
// The heading label. Its text colour follows Kind; its Shadow settings are
// kept for the blurred shadow that the skin engine will draw behind the
// text. For now the text is drawn plain, in the colour Kind chooses.
#include "controls/TsCustomLabel.h"
#include "controls/TsKind.h"
#include "controls/TsShadow.h"

class TsLabelFX : public TsCustomLabel {
 public:
  TRAINER_CLASS_INFO()

  explicit TsLabelFX(TComponent* owner);

  TsKind& Kind() { return kind_; }
  const TsKind& Kind() const { return kind_; }
  TsShadow& Shadow() { return shadow_; }
  const TsShadow& Shadow() const { return shadow_; }

  // The colour the text is written in. Without a skin, ktSkin falls back to
  // Kind.Color; a label without shadow writes in its font colour.
  TColor TextColor() const;

 protected:
  void Paint() override;

 private:
  TsKind kind_{[this] { Changed(); }};
  TsShadow shadow_{[this] { Changed(); }};
};
