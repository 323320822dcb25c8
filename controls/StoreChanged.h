#pragma once
// The setter rule of every published property of the skinned controls:
// compare first, and only a real change is stored. Callers repaint when this
// answers true and the control is not being read from its layout.
#include <utility>

template <class V>
bool StoreChanged(V& field, V value) {
  if (field == value) return false;
  field = std::move(value);
  return true;
}
