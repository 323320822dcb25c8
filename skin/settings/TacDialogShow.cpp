#include "skin/settings/TacDialogShow.h"

#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"

const TClassInfo& TacDialogShow::StaticClassInfo() {
  static const TClassInfo info("TacDialogShow", &TPersistent::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<TacDialogShow>(c)
        .Integer("Time", &TacDialogShow::Time);
  });
  return info;
}
