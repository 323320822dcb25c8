#pragma once
// One item of a TCollection; subclasses publish the item's properties.
#include <string>

#include "framework/TPersistent.h"

class TCollection;

class TCollectionItem : public TPersistent {
 public:
  TRAINER_CLASS_INFO()

  explicit TCollectionItem(TCollection* collection) : collection_(collection) {}

  TCollection* Collection() const { return collection_; }
  // Position in the collection, or -1 when detached.
  int Index() const;
  virtual std::string DisplayName() const { return ClassName(); }
  TPersistent* GetOwner() const override;

 private:
  friend class TCollection;
  TCollection* collection_;
};
