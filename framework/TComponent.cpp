#include "framework/TComponent.h"

#include <algorithm>

#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"

const TClassInfo& TComponent::StaticClassInfo() {
  static const TClassInfo info("TComponent", &TPersistent::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<TComponent>(c)
        .String("Name", &TComponent::Name, &TComponent::SetName)
        .Integer("Tag", &TComponent::Tag);
  });
  return info;
}

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  // Those that asked to hear about our end may drop their references now.
  while (!freeNotifies_.empty()) {
    TComponent* other = freeNotifies_.back();
    freeNotifies_.pop_back();
    std::erase(other->freeNotifies_, this);
    other->Notification(this, TOperation::opRemove);
  }
  DestroyComponents();
  if (owner_) owner_->RemoveComponent(this);
}

void TComponent::Free() {
  Destroying();
  BeforeDestruction();
  delete this;
}

void TComponent::SetName(const std::string& name) {
  if (name == name_) return;
  if (!name.empty() && !IsValidIdent(name)) throw EComponentError("\"" + name + "\" is not a valid component name");
  if (owner_ && !name.empty()) {
    TComponent* other = owner_->FindComponent(name);
    if (other && other != this) throw EComponentError("A component named " + name + " already exists");
  }
  name_ = name;
}

int TComponent::ComponentIndex() const {
  if (!owner_) return -1;
  auto& list = owner_->components_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_)
    if (SameText(c->name_, name)) return c;
  return nullptr;
}

void TComponent::Loaded() { SetState(csLoading, false); }

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component) {
    RemoveFreeNotification(component);
    if (published_) published_->ForgetComponent(component);
  }
  // Walk backwards by index: a component may leave the list while told.
  for (std::size_t i = components_.size(); i-- > 0;) {
    if (i >= components_.size()) continue;
    components_[i]->Notification(component, operation);
  }
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end()) {
    freeNotifies_.push_back(component);
    component->freeNotifies_.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (!component) return;
  std::erase(freeNotifies_, component);
  std::erase(component->freeNotifies_, this);
}

void TComponent::InsertComponent(TComponent* component) {
  if (!component || component->owner_ == this) return;
  if (!component->name_.empty() && FindComponent(component->name_))
    throw EComponentError("A component named " + component->name_ + " already exists");
  if (component->owner_) component->owner_->RemoveComponent(component);
  components_.push_back(component);
  component->owner_ = this;
  Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  if (!component || component->owner_ != this) return;
  std::erase(components_, component);
  component->owner_ = nullptr;
  Notification(component, TOperation::opRemove);
}

void TComponent::DestroyComponents() {
  // The newest component goes first, so a component never outlives one it
  // was created after and may depend on.
  while (!components_.empty()) {
    TComponent* last = components_.back();
    RemoveComponent(last);
    last->Free();
  }
}

void TComponent::Destroying() {
  if (HasState(csDestroying)) return;
  SetState(csDestroying, true);
  for (TComponent* c : components_) c->Destroying();
}

void TComponent::SetParentComponent(TComponent*) {}

TPublishedNames& TComponent::Names() {
  if (!published_) published_ = std::make_unique<TPublishedNames>();
  return *published_;
}

bool IsValidIdent(std::string_view name) {
  if (name.empty()) return false;
  auto letter = [](char ch) { return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || ch == '_'; };
  if (!letter(name[0])) return false;
  return std::all_of(name.begin(), name.end(), [&](char ch) { return letter(ch) || (ch >= '0' && ch <= '9'); });
}
