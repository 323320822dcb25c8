#include "framework/TGraphicsObject.h"

#include "framework/TClassInfo.h"

const TClassInfo& TGraphicsObject::StaticClassInfo() {
  static const TClassInfo info("TGraphicsObject", &TPersistent::StaticClassInfo());
  return info;
}
