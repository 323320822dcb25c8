#pragma once
// The skinned bitmap button ("ВЫПОЛНИТЬ", the OK button of the name window):
// the plain bitmap button with the skin settings, fade options and glyph
// placement settings the skinned painting will use.
#include "controls/SkinnedButtonProperties.h"
#include "controls/StoreChanged.h"
#include "controls/TsControlSkinData.h"
#include "framework/TBitBtn.h"
#include "framework/TLabel.h"

class TsBitBtn : public TBitBtn {
 public:
  TRAINER_CLASS_INFO()

  static constexpr int kControlKind = 94;

  explicit TsBitBtn(TComponent* owner) : TBitBtn(owner) {}

  TsControlSkinData& SkinData() { return skinData_; }
  TacAnimatEvents AnimatEvents() const { return animatEvents_; }
  void SetAnimatEvents(TacAnimatEvents events) { animatEvents_ = events; }
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind kind) { Store(disabledKind_, kind); }
  bool Down() const { return down_; }
  void SetDown(bool down) { Store(down_, down); }
  int FocusMargin() const { return focusMargin_; }
  void SetFocusMargin(int margin) { focusMargin_ = margin; }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wrap) { Store(wordWrap_, wrap); }

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment) { Store(alignment_, alignment); }
  TAlignment TextAlignment() const { return textAlignment_; }
  void SetTextAlignment(TAlignment alignment) { Store(textAlignment_, alignment); }
  // Percent the glyph is blended with the background while not hot.
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
  bool ShowFocus() const { return showFocus_; }
  void SetShowFocus(bool show) { Store(showFocus_, show); }
  bool DrawOverBorder() const { return drawOverBorder_; }
  void SetDrawOverBorder(bool over) { Store(drawOverBorder_, over); }
  int TextOffset() const { return textOffset_; }
  void SetTextOffset(int offset) { Store(textOffset_, offset); }

 private:
  // Stores a changed setting and repaints, except while loading.
  template <class V>
  void Store(V& field, V value) {
    if (StoreChanged(field, value) && !IsLoading()) Invalidate();
  }

  TsControlSkinData skinData_{this, kControlKind};
  TacAnimatEvents animatEvents_ = aeGlobalDef;
  TsDisabledKind disabledKind_ = dkBlended;
  bool down_ = false;
  int focusMargin_ = 1;
  bool wordWrap_ = true;
  TAlignment alignment_ = taCenter;
  TAlignment textAlignment_ = taCenter;
  int blend_ = 0;
  TsDisabledGlyphKind disabledGlyphKind_ = dgBlended;
  bool grayed_ = false;
  int imageIndex_ = -1;
  bool showCaption_ = true;
  bool showFocus_ = true;
  bool drawOverBorder_ = true;
  int textOffset_ = 0;
};
