#include "skin/settings/TacFormShow.h"

#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"

const TClassInfo& TacFormShow::StaticClassInfo() {
  static const TClassInfo info("TacFormShow", &TPersistent::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<TacFormShow>(c)
        .Boolean("Active", &TacFormShow::Active)
        .Integer("Time", &TacFormShow::Time);
  });
  return info;
}
