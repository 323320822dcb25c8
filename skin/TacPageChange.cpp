#include "skin/TacPageChange.h"

#include "framework/TClassInfo.h"
#include "framework/TPropertyBuilder.h"

const TClassInfo& TacPageChange::StaticClassInfo() {
  static const TClassInfo info("TacPageChange", &TPersistent::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<TacPageChange>(c)
        .Boolean("Active", &TacPageChange::Active)
        .Integer("Time", &TacPageChange::Time);
  });
  return info;
}
