#include "framework/graphics/TGraphicsObject.h"

#include "framework/streaming/TClassInfo.h"

const TClassInfo& TGraphicsObject::StaticClassInfo() {
  static const TClassInfo info("TGraphicsObject", &TPersistent::StaticClassInfo());
  return info;
}
