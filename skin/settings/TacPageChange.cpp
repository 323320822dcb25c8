#include "skin/settings/TacPageChange.h"

#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"

const TClassInfo& TacPageChange::StaticClassInfo() {
  static const TClassInfo info("TacPageChange", &TPersistent::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<TacPageChange>(c)
        .Boolean("Active", &TacPageChange::Active)
        .Integer("Time", &TacPageChange::Time);
  });
  return info;
}
