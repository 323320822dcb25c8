#include "framework/streaming/TClassRegistry.h"

#include <stdexcept>
#include <string>

TClassRegistry& TClassRegistry::Global() {
  static TClassRegistry registry;
  return registry;
}

void TClassRegistry::Register(const TClassInfo& info) {
  if (!info.CanCreate()) throw std::logic_error("Class " + info.Name() + " cannot be created by name");
  if (const TClassInfo* known = Find(info.Name())) {
    if (known == &info) return;
    throw std::logic_error("Another class named " + info.Name() + " is registered");
  }
  classes_.push_back(&info);
}

const TClassInfo* TClassRegistry::Find(std::string_view name) const {
  for (const TClassInfo* c : classes_)
    if (SameText(c->Name(), name)) return c;
  return nullptr;
}
