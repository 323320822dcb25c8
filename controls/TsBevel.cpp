#include "controls/TsBevel.h"

#include "framework/streaming/TClassInfo.h"

const TClassInfo& TsBevel::StaticClassInfo() {
  static const TClassInfo info("TsBevel", &TBevel::StaticClassInfo(),
                               [](TClassInfo& c) { c.SetFactory(ComponentFactory<TsBevel>()); });
  return info;
}
