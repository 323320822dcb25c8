#pragma once
// The manager's InternalSkins: stored skins in collection order.
#include <string_view>

#include "framework/TCollection.h"
#include "skin/load/TsStoredSkin.h"

class TsStoredSkins : public TCollectionOf<TsStoredSkin> {
 public:
  TRAINER_CLASS_INFO()
  explicit TsStoredSkins(TPersistent* owner) : TCollectionOf<TsStoredSkin>(owner) {}

  bool Empty() const { return Count() == 0; }
  // The stored skin whose Name equals `name` exactly (case-sensitive), or null.
  const TsStoredSkin* Find(std::string_view name) const;
};
