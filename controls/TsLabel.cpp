#include "controls/TsLabel.h"

#include "controls/StoreChanged.h"
#include "framework/TClassInfo.h"
#include "framework/TPropertyBuilder.h"

const TClassInfo& TsLabel::StaticClassInfo() {
  static const TClassInfo info("TsLabel", &TsCustomLabel::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<TsLabel>());
    TPropertyBuilder<TsLabel>(c).Boolean("UseSkinColor", &TsLabel::UseSkinColor, &TsLabel::SetUseSkinColor);
  });
  return info;
}

void TsLabel::SetUseSkinColor(bool value) {
  if (StoreChanged(useSkinColor_, value)) Changed();
}
