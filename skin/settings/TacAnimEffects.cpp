#include "skin/settings/TacAnimEffects.h"

#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"

const TClassInfo& TacAnimEffects::StaticClassInfo() {
  static const TClassInfo info("TacAnimEffects", &TPersistent::StaticClassInfo(), [](TClassInfo& c) {
    using A = TacAnimEffects;
    TPropertyBuilder<A>(c)
        .Object("Buttons", &A::Buttons)
        .Object("DialogShow", &A::DialogShow)
        .Object("FormShow", &A::FormShow)
        .Object("PageChange", &A::PageChange)
        .Object("SkinChanging", &A::SkinChanging);
  });
  return info;
}
