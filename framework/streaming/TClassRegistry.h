#pragma once
// Component classes by name, for creating what a layout names. Classes are
// registered explicitly at start-up (RegisterFrameworkClasses and the
// registration functions of the layers above), never by static initialisers.
#include <string_view>
#include <vector>

#include "framework/streaming/TClassInfo.h"

class TClassRegistry {
 public:
  // The program-wide registry.
  static TClassRegistry& Global();

  // Registers a class that has a factory; registering it again is harmless,
  // another class of the same name throws std::logic_error.
  void Register(const TClassInfo& info);
  template <class T>
  void Register() { Register(T::StaticClassInfo()); }

  // The class named `name` (ASCII case-insensitive), or null.
  const TClassInfo* Find(std::string_view name) const;

 private:
  std::vector<const TClassInfo*> classes_;
};

