#include "controls/TsKind.h"

#include "controls/StoreChanged.h"
#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"

const TClassInfo& TsKind::StaticClassInfo() {
  static const TClassInfo info("TsKind", &TPersistent::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<TsKind>(c)
        .Enumeration("KindType", {"ktStandard", "ktCustom", "ktSkin"}, &TsKind::KindType, &TsKind::SetKindType)
        .Color("Color", &TsKind::Color, &TsKind::SetColor);
  });
  return info;
}

void TsKind::SetKindType(TsKindType type) {
  if (StoreChanged(kindType_, type) && changed_) changed_();
}

void TsKind::SetColor(TColor color) {
  if (StoreChanged(color_, color) && changed_) changed_();
}
