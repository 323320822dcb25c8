#pragma once
// The skinned bitmap button ("ВЫПОЛНИТЬ", the OK button of the name window):
// the plain bitmap button with the skin settings, fade options and glyph
// placement settings the skinned painting will use.
#include "controls/SkinnedButtonSettings.h"
#include "framework/TBitBtn.h"

class TsBitBtn : public TBitBtn,
                 public TsButtonSkinSettings,
                 public TsWindowedButtonSettings,
                 public TsGlyphButtonSettings {
 public:
  TRAINER_CLASS_INFO()

  static constexpr int kControlKind = 94;

  explicit TsBitBtn(TComponent* owner)
      : TBitBtn(owner),
        TsButtonSkinSettings(static_cast<TControl&>(*this), kControlKind),
        TsWindowedButtonSettings(static_cast<TControl&>(*this)),
        TsGlyphButtonSettings(static_cast<TControl&>(*this)) {}

  bool ShowFocus() const { return showFocus_; }
  void SetShowFocus(bool show) { StoreSetting(*this, showFocus_, show); }

 private:
  bool showFocus_ = true;
};
