#pragma once
// The name field of the personal-data window: the plain edit with the skin
// settings of the skinned one.
#include "controls/SkinnedButtonProperties.h"
#include "controls/StoreChanged.h"
#include "controls/TsBoundLabel.h"
#include "controls/TsControlSkinData.h"
#include "framework/TEdit.h"

class TsEdit : public TEdit {
 public:
  TRAINER_CLASS_INFO()

  static constexpr int kControlKind = 3;

  explicit TsEdit(TComponent* owner) : TEdit(owner) {}

  TsControlSkinData& SkinData() { return skinData_; }
  TsBoundLabel& BoundLabel() { return boundLabel_; }
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind kind) {
    if (StoreChanged(disabledKind_, kind) && !IsLoading()) Invalidate();
  }

 private:
  TsControlSkinData skinData_{this, kControlKind};
  TsBoundLabel boundLabel_;
  TsDisabledKind disabledKind_ = dkBlended;
};
