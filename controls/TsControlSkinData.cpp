#include "controls/TsControlSkinData.h"

#include "controls/StoreChanged.h"
#include "framework/TClassInfo.h"
#include "framework/TControl.h"
#include "framework/TPropertyBuilder.h"
#include "skin/TsSkinManager.h"
#include "skin/SkinText.h"

const TClassInfo& TsControlSkinData::StaticClassInfo() {
  using D = TsControlSkinData;
  static const TClassInfo info("TsControlSkinData", &TPersistent::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<D>(c)
        .Boolean("CustomColor", &D::CustomColor, &D::SetCustomColor)
        .Boolean("CustomFont", &D::CustomFont, &D::SetCustomFont)
        .Component<TsSkinManager>("SkinManager", &D::SkinManager, &D::SetSkinManager)
        .String("SkinSection", &D::SkinSection, &D::SetSkinSection);
  });
  return info;
}

TPersistent* TsControlSkinData::GetOwner() const { return owner_; }

void TsControlSkinData::SetCustomColor(bool value) {
  if (StoreChanged(customColor_, value)) OwnerChanged();
}

void TsControlSkinData::SetCustomFont(bool value) {
  if (StoreChanged(customFont_, value)) OwnerChanged();
}

void TsControlSkinData::SetSkinManager(TsSkinManager* manager) {
  if (StoreChanged(skinManager_, manager)) OwnerChanged();
}

void TsControlSkinData::SetSkinSection(const std::string& section) {
  if (StoreChanged(skinSection_, SkinText::UpperCase(section))) OwnerChanged();
}

void TsControlSkinData::OwnerChanged() {
  if (owner_ && !owner_->IsLoading()) owner_->Invalidate();
}
