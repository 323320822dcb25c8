#pragma once
// The setter rule of every published property of the skinned controls:
// compare first, and only a real change is stored; a stored change repaints
// the control unless it is being read from its layout.
#include <utility>

#include "framework/TControl.h"

template <class V>
bool StoreChanged(V& field, V value) {
  if (field == value) return false;
  field = std::move(value);
  return true;
}

template <class V>
void StoreSetting(TControl& owner, V& field, V value) {
  if (StoreChanged(field, std::move(value)) && !owner.IsLoading()) owner.Invalidate();
}
