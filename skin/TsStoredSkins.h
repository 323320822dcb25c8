#pragma once
// The manager's InternalSkins: stored skins in collection order.
#include <string_view>
#include <vector>

#include "skin/TsStoredSkin.h"

class TsStoredSkins {
 public:
  TsStoredSkin& Add() { return items_.emplace_back(); }
  void Clear() { items_.clear(); }
  int Count() const { return static_cast<int>(items_.size()); }
  bool Empty() const { return items_.empty(); }
  TsStoredSkin& Item(int i) { return items_.at(static_cast<std::size_t>(i)); }
  const TsStoredSkin& Item(int i) const { return items_.at(static_cast<std::size_t>(i)); }
  const std::vector<TsStoredSkin>& Items() const { return items_; }

  // The stored skin whose Name equals `name` exactly (case-sensitive), or null.
  const TsStoredSkin* Find(std::string_view name) const {
    for (const TsStoredSkin& s : items_) {
      if (s.Name == name) return &s;
    }
    return nullptr;
  }

 private:
  std::vector<TsStoredSkin> items_;
};
