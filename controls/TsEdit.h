#pragma once
// The name field of the personal-data window: the plain edit with the skin
// settings of the skinned one.
#include "controls/SkinnedButtonProperties.h"
#include "controls/StoreChanged.h"
#include "controls/TsBoundLabel.h"
#include "skin/TsCommonData.h"
#include "framework/TEdit.h"

class TsEdit : public TEdit {
 public:
  TRAINER_CLASS_INFO()

  static constexpr int kControlKind = 3;

  explicit TsEdit(TComponent* owner) : TEdit(owner) {}

  TsCommonData& SkinData() { return skinData_; }
  TsBoundLabel& BoundLabel() { return boundLabel_; }
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind kind) { StoreSetting(*this, disabledKind_, kind); }

 private:
  TsCommonData skinData_{this, false, kControlKind};
  TsBoundLabel boundLabel_;
  TsDisabledKind disabledKind_ = dkBlended;
};
