#pragma once
// The skinned speed button ("Убрать"): the plain windowless button with the
// skin settings, fade options, glyph placement settings and button style the
// skinned painting will use.
#include "controls/SkinnedButtonSettings.h"
#include "framework/TSpeedButton.h"

// tbsDropDown keeps a 16-pixel arrow strip at the right for its menu.
enum TsToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };

class TsSpeedButton : public TSpeedButton, public TsButtonSkinSettings, public TsGlyphButtonSettings {
 public:
  TRAINER_CLASS_INFO()

  static constexpr int kControlKind = 92;

  explicit TsSpeedButton(TComponent* owner)
      : TSpeedButton(owner), TsButtonSkinSettings(static_cast<TControl&>(*this), kControlKind), TsGlyphButtonSettings(static_cast<TControl&>(*this)) {}

  TsToolButtonStyle ButtonStyle() const { return buttonStyle_; }
  void SetButtonStyle(TsToolButtonStyle style) { StoreSetting(*this, buttonStyle_, style); }

 private:
  TsToolButtonStyle buttonStyle_ = tbsButton;
};
