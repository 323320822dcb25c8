#include "framework/TPersistent.h"

#include <stdexcept>

#include "framework/streaming/TClassInfo.h"

const TClassInfo& TPersistent::StaticClassInfo() {
  static const TClassInfo info("TPersistent", &TObject::StaticClassInfo());
  return info;
}

void TPersistent::Assign(const TPersistent& source) {
  throw std::invalid_argument("Cannot assign a " + source.ClassName() + " to a " + ClassName());
}
