#include "skin/settings/TacMenuSupport.h"

#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"

const TClassInfo& TacMenuSupport::StaticClassInfo() {
  static const TClassInfo info("TacMenuSupport", &TPersistent::StaticClassInfo(), [](TClassInfo& c) {
    using M = TacMenuSupport;
    TPropertyBuilder<M>(c)
        .String("IcoLineSkin", &M::IcoLineSkin)
        .Boolean("UseExtraLine", &M::UseExtraLine)
        .Integer("ExtraLineWidth", &M::ExtraLineWidth)
        .Object("ExtraLineFont", &M::ExtraLineFont);
  });
  return info;
}
