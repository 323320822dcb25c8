#include "skin/settings/TacBtnEffects.h"

#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"

const TClassInfo& TacBtnEffects::StaticClassInfo() {
  static const TClassInfo info("TacBtnEffects", &TPersistent::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<TacBtnEffects>(c)
        .Set("Events", {"beMouseEnter", "beMouseLeave", "beMouseDown", "beMouseUp"}, &TacBtnEffects::Events);
  });
  return info;
}
