#pragma once
// The skinned push button ("Очистить", the tilt buttons). With an active
// skin it is owner-drawn from its section in the normal, hot or pressed
// state, its caption centred (wrapped with WordWrap) and fading between
// states; without one it looks and behaves as the plain button.
#include "controls/buttons/SkinnedButtonSettings.h"
#include "controls/buttons/TsWindowedButtonSkin.h"
#include "framework/controls/TButton.h"

class TsButton : public TButton, public TsButtonSkinSettings, public TsWindowedButtonSkin {
 public:
  TRAINER_CLASS_INFO()

  static constexpr int kControlKind = 93;

  explicit TsButton(TComponent* owner);

  // The caption rectangle in the given state, measured with the cache's font.
  TRect CaptionRect(int state);
  void Loaded() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  void SetButtonStyle(bool isDefault) override;

 private:
  unsigned CaptionFormat() const;
  void PaintCaption(TBitmap& cache, int state);
};
