#include "controls/TsCustomLabel.h"

#include "controls/StoreChanged.h"
#include "framework/TClassInfo.h"
#include "framework/TPropertyBuilder.h"

const TClassInfo& TsCustomLabel::StaticClassInfo() {
  static const TClassInfo info("TsCustomLabel", &TLabel::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<TsCustomLabel>(c).String("SkinSection", &TsCustomLabel::SkinSection,
                                              &TsCustomLabel::SetSkinSection);
  });
  return info;
}

TsCustomLabel::TsCustomLabel(TComponent* owner) : TLabel(owner) { SetTransparent(true); }

void TsCustomLabel::SetSkinSection(const std::string& section) {
  if (StoreChanged(skinSection_, section)) Changed();
}

void TsCustomLabel::Changed() {
  if (!IsLoading()) Invalidate();
}
