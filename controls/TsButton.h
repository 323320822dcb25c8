#pragma once
// The skinned push button ("Очистить", the tilt buttons). It keeps its skin
// settings and fade options; until the engine paints it from its section it
// looks and behaves as the plain button.
#include "controls/SkinnedButtonProperties.h"
#include "controls/StoreChanged.h"
#include "controls/TsControlSkinData.h"
#include "framework/TButton.h"

class TsButton : public TButton {
 public:
  TRAINER_CLASS_INFO()

  static constexpr int kControlKind = 93;

  explicit TsButton(TComponent* owner) : TButton(owner) {}

  TsControlSkinData& SkinData() { return skinData_; }
  TacAnimatEvents AnimatEvents() const { return animatEvents_; }
  void SetAnimatEvents(TacAnimatEvents events) { animatEvents_ = events; }
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind kind) { Store(disabledKind_, kind); }
  // Shows the pressed state for good.
  bool Down() const { return down_; }
  void SetDown(bool down) { Store(down_, down); }
  // How far the focus frame lies outside the caption rectangle.
  int FocusMargin() const { return focusMargin_; }
  void SetFocusMargin(int margin) { focusMargin_ = margin; }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wrap) { Store(wordWrap_, wrap); }

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
};
