#include "skin/load/TsSkinPattern.h"

#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"

const TClassInfo& TsSkinPattern::StaticClassInfo() {
  static const TClassInfo info("TsSkinPattern", &TCollectionItem::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<TsSkinPattern>(c)
        .String("SectionName", &TsSkinPattern::SectionName)
        .String("Name", &TsSkinPattern::Name)
        .String("PropertyName", &TsSkinPattern::PropertyName);
  });
  return info;
}
