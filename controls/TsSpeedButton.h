#pragma once
// The skinned speed button ("Убрать"): windowless, painted onto its parent.
// With an active skin it shows its section in the normal, hot or pressed
// state (the section's transparency gives the flat look), its caption
// wrapped in its rectangle, and animates between states through an
// animation timer; without one it is the plain speed button.
#include "controls/SkinnedButtonSettings.h"
#include "framework/TSpeedButton.h"
#include "skin/TsAnimTimer.h"

// tbsDropDown keeps a 16-pixel arrow strip at the right for its menu.
enum TsToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };

class TsSpeedButton : public TSpeedButton, public TsButtonSkinSettings, public TsGlyphButtonSettings {
 public:
  TRAINER_CLASS_INFO()

  static constexpr int kControlKind = 92;
  static constexpr int kArrowWidth = 16;

  explicit TsSpeedButton(TComponent* owner);
  ~TsSpeedButton() override;

  TsToolButtonStyle ButtonStyle() const { return buttonStyle_; }
  void SetButtonStyle(TsToolButtonStyle style) { StoreButtonSetting(*this, buttonStyle_, style); }

  // 0 normal, 1 hot (the mouse is over it), 2 pressed (held or Down).
  int StateIndex() const;
  // The caption rectangle in the given state, measured with the cache font.
  TRect CaptionRect(int state);
  TsAnimTimerSlot& Animation() { return anim_; }
  // Skinned speed buttons paint every pixel they cover.
  bool Opaque() const override;
  void Loaded() override;

 protected:
  void Paint() override;
  void WndProc(TMessage& message) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  bool HandleSkinCommand(TMessage& message);
  void PrepareCache();
  void PaintContent(TBitmap& cache, int state);
  void Animate(TacAnimatEvent event, bool halve);
  int ArrowWidth() const { return buttonStyle_ == tbsDropDown ? kArrowWidth : 0; }
  TSize GlyphSize();

  TsToolButtonStyle buttonStyle_ = tbsButton;
  TsAnimTimerSlot anim_;
  // What the cached picture was made with.
  bool cachedDown_ = false;
  int cachedGlyphs_ = 1;
  bool hintsSwitchedOff_ = false;
  bool hintsWereOn_ = true;
};
