#pragma once
// The run-time description of a framework class: its name, its ancestor, its
// published properties in declaration order and, for components, how to
// create one. Lookups never throw.
#include <deque>
#include <functional>
#include <string>
#include <string_view>

#include "framework/streaming/TPropertyInfo.h"

class TComponent;

class TClassInfo {
 public:
  using Factory = std::function<TComponent*(TComponent* owner)>;

  // `define` registers the properties, e.g. with TPropertyBuilder.
  TClassInfo(std::string name, const TClassInfo* parent, const std::function<void(TClassInfo&)>& define = {});
  TClassInfo(const TClassInfo&) = delete;
  TClassInfo& operator=(const TClassInfo&) = delete;

  const std::string& Name() const { return name_; }
  const TClassInfo* Parent() const { return parent_; }
  bool InheritsFrom(const TClassInfo& ancestor) const;

  // The property named `name` (ASCII case-insensitive) of this class or its
  // nearest ancestor, or null.
  const TPropertyInfo* FindProperty(std::string_view name) const;
  const std::deque<TPropertyInfo>& OwnProperties() const { return properties_; }

  TPropertyInfo& AddProperty(TPropertyInfo property);

  void SetFactory(Factory factory) { factory_ = std::move(factory); }
  bool CanCreate() const { return static_cast<bool>(factory_); }
  // A new instance owned by `owner`, or null for classes without a factory.
  TComponent* Create(TComponent* owner) const;

 private:
  std::string name_;
  const TClassInfo* parent_;
  std::deque<TPropertyInfo> properties_;  // stable addresses for FindProperty results
  Factory factory_;
};

// The factory every component class with an (owner) constructor can use:
//     info.SetFactory(ComponentFactory<TButton>());
template <class T>
TClassInfo::Factory ComponentFactory() {
  return [](TComponent* owner) -> TComponent* { return new T(owner); };
}

// ASCII case-insensitive equality, as identifiers in layouts compare.
bool SameText(std::string_view a, std::string_view b);
