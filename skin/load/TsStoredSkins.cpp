#include "skin/load/TsStoredSkins.h"

#include "framework/streaming/TClassInfo.h"

const TClassInfo& TsStoredSkins::StaticClassInfo() {
  static const TClassInfo info("TsStoredSkins", &TCollection::StaticClassInfo());
  return info;
}

const TsStoredSkin* TsStoredSkins::Find(std::string_view name) const {
  for (int i = 0; i < Count(); ++i) {
    if (Items(i)->Name == name) return Items(i);
  }
  return nullptr;
}
