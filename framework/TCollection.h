#pragma once
// An owned, ordered list of items of one class (the stored skins of a skin
// manager, for instance). Items are created by the collection, so a layout
// can add them by reading "item ... end" blocks.
#include <functional>
#include <memory>
#include <vector>

#include "framework/TCollectionItem.h"

class TCollection : public TPersistent {
 public:
  TRAINER_CLASS_INFO()

  using ItemFactory = std::function<std::unique_ptr<TCollectionItem>(TCollection*)>;

  TCollection(TPersistent* owner, ItemFactory factory);
  ~TCollection() override;

  TCollectionItem* Add();
  int Count() const { return static_cast<int>(items_.size()); }
  // Throws std::out_of_range for a bad index.
  TCollectionItem* Items(int index) const;
  int IndexOf(const TCollectionItem* item) const;
  void Delete(int index);
  void Clear();

  TPersistent* GetOwner() const override { return owner_; }

 private:
  TPersistent* owner_;
  ItemFactory factory_;
  std::vector<std::unique_ptr<TCollectionItem>> items_;
};

// A collection of items of class T, with typed access.
template <class T>
class TCollectionOf : public TCollection {
 public:
  explicit TCollectionOf(TPersistent* owner)
      : TCollection(owner, [](TCollection* c) { return std::make_unique<T>(c); }) {}

  T* Add() { return static_cast<T*>(TCollection::Add()); }
  T* Items(int index) const { return static_cast<T*>(TCollection::Items(index)); }
  T* operator[](int index) const { return Items(index); }
};
