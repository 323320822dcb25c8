#include "skin/TacBtnEffects.h"

#include "framework/TClassInfo.h"
#include "framework/TPropertyBuilder.h"

const TClassInfo& TacBtnEffects::StaticClassInfo() {
  static const TClassInfo info("TacBtnEffects", &TPersistent::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<TacBtnEffects>(c)
        .Set("Events", {"beMouseEnter", "beMouseLeave", "beMouseDown", "beMouseUp"}, &TacBtnEffects::Events);
  });
  return info;
}
