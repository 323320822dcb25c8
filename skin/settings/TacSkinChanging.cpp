#include "skin/settings/TacSkinChanging.h"

#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"

const TClassInfo& TacSkinChanging::StaticClassInfo() {
  static const TClassInfo info("TacSkinChanging", &TPersistent::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<TacSkinChanging>(c)
        .Boolean("Active", &TacSkinChanging::Active)
        .Integer("Time", &TacSkinChanging::Time);
  });
  return info;
}
