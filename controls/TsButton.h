#pragma once
// The skinned push button ("Очистить", the tilt buttons). It keeps its skin
// settings and fade options; until the engine paints it from its section it
// looks and behaves as the plain button.
#include "controls/SkinnedButtonSettings.h"
#include "framework/TButton.h"

class TsButton : public TButton, public TsButtonSkinSettings, public TsWindowedButtonSettings {
 public:
  TRAINER_CLASS_INFO()

  static constexpr int kControlKind = 93;

  explicit TsButton(TComponent* owner)
      : TButton(owner), TsButtonSkinSettings(static_cast<TControl&>(*this), kControlKind), TsWindowedButtonSettings(static_cast<TControl&>(*this)) {}

};
