#include "framework/TCollectionItem.h"

#include "framework/TCollection.h"
#include "framework/streaming/TClassInfo.h"

const TClassInfo& TCollectionItem::StaticClassInfo() {
  static const TClassInfo info("TCollectionItem", &TPersistent::StaticClassInfo());
  return info;
}

int TCollectionItem::Index() const { return collection_ ? collection_->IndexOf(this) : -1; }

TPersistent* TCollectionItem::GetOwner() const { return collection_; }
