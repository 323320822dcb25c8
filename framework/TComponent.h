#pragma once
// Components: named objects owned by another component. An owner destroys
// what it owns (last created first) and tells its components about every
// component that leaves, so nobody keeps a dangling reference. Components
// read from a layout are marked loading until their Loaded() runs.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "framework/TPersistent.h"
#include "framework/streaming/TPublishedNames.h"

enum TComponentStateFlag : unsigned {
  csLoading = 1u << 0,     // being read from a layout, until Loaded()
  csReading = 1u << 1,     // its own properties are being read right now
  csWriting = 1u << 2,
  csDestroying = 1u << 3,  // being destroyed; do not touch it again
  csDesigning = 1u << 4,   // design mode: never set in this program
};
using TComponentState = unsigned;

enum class TOperation { opInsert, opRemove };

// Raised for invalid component names and name clashes.
class EComponentError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TComponent : public TPersistent {
 public:
  TRAINER_CLASS_INFO()

  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  // Marks the component as destroying, lets it run BeforeDestruction while
  // it is still whole, then deletes it. Owners free what they own this way.
  void Free();

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  // Names are identifiers, unique (ASCII case-insensitive) among the owner's
  // components; an empty name is always allowed. Throws EComponentError.
  void SetName(const std::string& name);

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(static_cast<std::size_t>(index)); }
  int ComponentIndex() const;
  // The owned component named `name` (ASCII case-insensitive), or null.
  TComponent* FindComponent(std::string_view name) const;
  template <class T>
  T* FindComponent(std::string_view name) const { return dynamic_cast<T*>(FindComponent(name)); }

  TComponentState ComponentState() const { return state_; }
  bool HasState(TComponentStateFlag flag) const { return (state_ & flag) != 0; }
  bool IsLoading() const { return HasState(csLoading); }
  bool IsDestroying() const { return HasState(csDestroying); }

  std::intptr_t Tag = 0;

  // Called once the whole layout this component came from has been read;
  // clears csLoading. Overrides call the base first.
  virtual void Loaded();

  // Told about components inserted into or removed from the owner, and about
  // the destruction of components this one asked FreeNotification of.
  virtual void Notification(TComponent* component, TOperation operation);

  // Asks `component` (owned elsewhere) to report its destruction here.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);
  void DestroyComponents();
  // Sets csDestroying here and on everything owned.
  void Destroying();

  // The layout reader nests this component inside `parent` (a container
  // control for controls); plain components ignore it.
  virtual void SetParentComponent(TComponent* parent);

 protected:
  // Runs before any destructor of the object, so overrides may still use
  // everything the object's class holds (a form's OnDestroy).
  virtual void BeforeDestruction() {}

 public:

  // Handlers and fields published to a layout read into this component.
  const TPublishedNames* PublishedNames() const { return published_.get(); }

 protected:
  // Publishes a member function of a root component as a layout handler.
  template <class C, class... Args>
  void PublishMethod(std::string name, void (C::*method)(Args...)) {
    C* self = static_cast<C*>(this);
    Names().AddMethod(std::move(name), std::function<void(Args...)>([self, method](Args... args) {
                        (self->*method)(std::forward<Args>(args)...);
                      }));
  }
  // Publishes a field that receives the component of that name.
  template <class C>
  void PublishField(std::string name, C*& field) {
    C** slot = &field;
    Names().AddField(
        std::move(name),
        [slot](TComponent* c) {
          C* typed = dynamic_cast<C*>(c);
          if (c && !typed) return false;
          *slot = typed;
          return true;
        },
        [slot]() -> TComponent* { return *slot; });
  }

 private:
  friend class LayoutReader;
  void SetState(TComponentStateFlag flag, bool on) { state_ = on ? (state_ | flag) : (state_ & ~flag); }
  TPublishedNames& Names();

  TComponent* owner_ = nullptr;
  std::string name_;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
  TComponentState state_ = 0;
  std::unique_ptr<TPublishedNames> published_;
};

// True for letters, digits and '_', not starting with a digit.
bool IsValidIdent(std::string_view name);
