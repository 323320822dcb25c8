#include "framework/TCollection.h"

#include <stdexcept>
#include <string>

#include "framework/streaming/TClassInfo.h"

const TClassInfo& TCollection::StaticClassInfo() {
  static const TClassInfo info("TCollection", &TPersistent::StaticClassInfo());
  return info;
}

TCollection::TCollection(TPersistent* owner, ItemFactory factory) : owner_(owner), factory_(std::move(factory)) {}

TCollection::~TCollection() { Clear(); }

TCollectionItem* TCollection::Add() {
  items_.push_back(factory_(this));
  return items_.back().get();
}

TCollectionItem* TCollection::Items(int index) const {
  if (index < 0 || index >= Count())
    throw std::out_of_range("Collection index out of bounds (" + std::to_string(index) + ")");
  return items_[static_cast<std::size_t>(index)].get();
}

int TCollection::IndexOf(const TCollectionItem* item) const {
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i].get() == item) return static_cast<int>(i);
  return -1;
}

void TCollection::Delete(int index) {
  Items(index);  // range check
  items_.erase(items_.begin() + index);
}

void TCollection::Clear() {
  // Last first, as items are often built on the ones before them.
  while (!items_.empty()) items_.pop_back();
}
