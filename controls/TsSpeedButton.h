#pragma once
// The skinned speed button ("Убрать"): the plain windowless button with the
// skin settings, fade options, glyph placement settings and button style the
// skinned painting will use.
#include "controls/SkinnedButtonProperties.h"
#include "controls/StoreChanged.h"
#include "controls/TsControlSkinData.h"
#include "framework/TLabel.h"
#include "framework/TSpeedButton.h"

// tbsDropDown keeps a 16-pixel arrow strip at the right for its menu.
enum TsToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };

class TsSpeedButton : public TSpeedButton {
 public:
  TRAINER_CLASS_INFO()

  static constexpr int kControlKind = 92;

  explicit TsSpeedButton(TComponent* owner) : TSpeedButton(owner) {}

  TsControlSkinData& SkinData() { return skinData_; }
  TacAnimatEvents AnimatEvents() const { return animatEvents_; }
  void SetAnimatEvents(TacAnimatEvents events) { animatEvents_ = events; }
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind kind) { Store(disabledKind_, kind); }

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment) { Store(alignment_, alignment); }
  TAlignment TextAlignment() const { return textAlignment_; }
  void SetTextAlignment(TAlignment alignment) { Store(textAlignment_, alignment); }
  int Blend() const { return blend_; }
  void SetBlend(int blend) { Store(blend_, blend); }
  TsDisabledGlyphKind DisabledGlyphKind() const { return disabledGlyphKind_; }
  void SetDisabledGlyphKind(TsDisabledGlyphKind kind) { Store(disabledGlyphKind_, kind); }
  bool Grayed() const { return grayed_; }
  void SetGrayed(bool grayed) { Store(grayed_, grayed); }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index) { Store(imageIndex_, index); }
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool show) { Store(showCaption_, show); }
  bool DrawOverBorder() const { return drawOverBorder_; }
  void SetDrawOverBorder(bool over) { Store(drawOverBorder_, over); }
  // Moves the caption rectangle right by this many pixels.
  int TextOffset() const { return textOffset_; }
  void SetTextOffset(int offset) { Store(textOffset_, offset); }
  TsToolButtonStyle ButtonStyle() const { return buttonStyle_; }
  void SetButtonStyle(TsToolButtonStyle style) { Store(buttonStyle_, style); }

 private:
  // Stores a changed setting and repaints, except while loading.
  template <class V>
  void Store(V& field, V value) {
    if (StoreChanged(field, value) && !IsLoading()) Invalidate();
  }

  TsControlSkinData skinData_{this, kControlKind};
  TacAnimatEvents animatEvents_ = aeGlobalDef;
  TsDisabledKind disabledKind_ = dkBlended;
  TAlignment alignment_ = taCenter;
  TAlignment textAlignment_ = taCenter;
  int blend_ = 0;
  TsDisabledGlyphKind disabledGlyphKind_ = dgBlended;
  bool grayed_ = false;
  int imageIndex_ = -1;
  bool showCaption_ = true;
  bool drawOverBorder_ = true;
  int textOffset_ = 0;
  TsToolButtonStyle buttonStyle_ = tbsButton;
};
