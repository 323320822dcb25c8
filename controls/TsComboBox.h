#pragma once
// The command picker: the plain drop-down box with the skin settings of the
// skinned one. Alignment and ReadOnly are kept for the skinned painting and
// key filtering, which the plain box does not do yet.
#include "controls/SkinnedButtonProperties.h"
#include "controls/StoreChanged.h"
#include "controls/TsBoundLabel.h"
#include "skin/TsCommonData.h"
#include "framework/TComboBox.h"
#include "framework/TLabel.h"

class TsComboBox : public TComboBox {
 public:
  TRAINER_CLASS_INFO()

  static constexpr int kControlKind = 3;

  explicit TsComboBox(TComponent* owner);

  TsCommonData& SkinData() { return skinData_; }
  TsBoundLabel& BoundLabel() { return boundLabel_; }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment) { StoreSetting(*this, alignment_, alignment); }
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind kind) { StoreSetting(*this, disabledKind_, kind); }
  // Height of the list's lines; the plain combo box window sizes its own.
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int height) { StoreSetting(*this, itemHeight_, height); }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { StoreSetting(*this, readOnly_, value); }

 private:
  TsCommonData skinData_{this, false, kControlKind};
  TsBoundLabel boundLabel_;
  TAlignment alignment_ = taLeftJustify;
  TsDisabledKind disabledKind_ = dkBlended;
  int itemHeight_ = 16;
  bool readOnly_ = false;
};
