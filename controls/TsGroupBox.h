#pragma once
// The "Панель Управления" frame: the plain group box with the skin settings
// and caption placement of the skinned one.
#include <string>

#include "controls/StoreChanged.h"
#include "controls/TsGroupBoxCaption.h"
#include "skin/TsCommonData.h"
#include "framework/TGroupBox.h"

class TsGroupBox : public TGroupBox {
 public:
  TRAINER_CLASS_INFO()

  static constexpr int kControlKind = 74;

  explicit TsGroupBox(TComponent* owner) : TGroupBox(owner) {}
  TRect CaptionRect() { return CaptionGeometry().Rect(); }

  TsCommonData& SkinData() { return skinData_; }
  // The caption's place for the current size, font and settings.
  TsGroupBoxCaption CaptionGeometry();
  TsCaptionLayoutPos CaptionLayout() const { return captionLayout_; }
  void SetCaptionLayout(TsCaptionLayoutPos layout) { StoreSetting(*this, captionLayout_, layout); }
  int CaptionYOffset() const { return captionYOffset_; }
  void SetCaptionYOffset(int offset) { StoreSetting(*this, captionYOffset_, offset); }
  // The section behind the caption; empty means the skin's own choice.
  const std::string& CaptionSkin() const { return captionSkin_; }
  void SetCaptionSkin(const std::string& section) { StoreSetting(*this, captionSkin_, section); }

 private:
  TsCommonData skinData_{this, false, kControlKind};
  TsCaptionLayoutPos captionLayout_ = clTopLeft;
  int captionYOffset_ = 0;
  std::string captionSkin_;
};
