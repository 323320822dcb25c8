#include "skin/TacDialogShow.h"

#include "framework/TClassInfo.h"
#include "framework/TPropertyBuilder.h"

const TClassInfo& TacDialogShow::StaticClassInfo() {
  static const TClassInfo info("TacDialogShow", &TPersistent::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<TacDialogShow>(c)
        .Integer("Time", &TacDialogShow::Time);
  });
  return info;
}
