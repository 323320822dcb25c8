#include "framework/streaming/TClassInfo.h"

#include <stdexcept>

TClassInfo::TClassInfo(std::string name, const TClassInfo* parent, const std::function<void(TClassInfo&)>& define)
    : name_(std::move(name)), parent_(parent) {
  if (define) define(*this);
}

bool TClassInfo::InheritsFrom(const TClassInfo& ancestor) const {
  for (const TClassInfo* c = this; c; c = c->parent_)
    if (c == &ancestor) return true;
  return false;
}

const TPropertyInfo* TClassInfo::FindProperty(std::string_view name) const {
  for (const TClassInfo* c = this; c; c = c->parent_)
    for (const TPropertyInfo& p : c->properties_)
      if (SameText(p.Name, name)) return &p;
  return nullptr;
}

TPropertyInfo& TClassInfo::AddProperty(TPropertyInfo property) {
  for (const TPropertyInfo& p : properties_)
    if (SameText(p.Name, property.Name))
      throw std::logic_error("Property " + property.Name + " registered twice on " + name_);
  properties_.push_back(std::move(property));
  return properties_.back();
}

TComponent* TClassInfo::Create(TComponent* owner) const { return factory_ ? factory_(owner) : nullptr; }

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]);
    unsigned char y = static_cast<unsigned char>(b[i]);
    if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x + 32);
    if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y + 32);
    if (x != y) return false;
  }
  return true;
}
