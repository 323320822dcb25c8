#pragma once
// Registers the published properties of class T on its TClassInfo with typed
// accessors: a getter is a const member function or a data member (of T or
// of a base), a setter a member function or any callable (T&, value). For
// example
//     TPropertyBuilder<TButton>(info)
//         .Integer("Left", &TButton::Left, &TButton::SetLeft)
//         .Integer("Tag", &TButton::Tag)
//         .Event("OnClick", &TButton::OnClick);
#include <any>
#include <functional>
#include <limits>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>

#include "framework/TPersistent.h"
#include "framework/streaming/TClassInfo.h"

template <class T>
class TPropertyBuilder {
 public:
  explicit TPropertyBuilder(TClassInfo& info) : info_(info) {}

  // -- plain values --------------------------------------------------------
  template <class Get, class Put>
  TPropertyBuilder& Integer(std::string name, Get get, Put set) {
    using V = Result<Get>;
    static_assert(std::is_integral_v<V>, "Integer properties hold integral values");
    TPropertyInfo p = Scalar<std::int64_t, V>(std::move(name), TPropertyKind::Integer, get, set);
    p.Min = static_cast<std::int64_t>(std::numeric_limits<V>::min());
    if constexpr (std::is_unsigned_v<V> && sizeof(V) >= sizeof(std::int64_t))
      p.Max = INT64_MAX;
    else
      p.Max = static_cast<std::int64_t>(std::numeric_limits<V>::max());
    info_.AddProperty(std::move(p));
    return *this;
  }
  template <class V, class C>
    requires std::is_base_of_v<C, T>
  TPropertyBuilder& Integer(std::string name, V C::*field) { return Integer(std::move(name), field, Assign(field)); }

  template <class Get, class Put>
  TPropertyBuilder& Float(std::string name, Get get, Put set) {
    info_.AddProperty(Scalar<double, Result<Get>>(std::move(name), TPropertyKind::Float, get, set));
    return *this;
  }
  template <class V, class C>
    requires std::is_base_of_v<C, T>
  TPropertyBuilder& Float(std::string name, V C::*field) { return Float(std::move(name), field, Assign(field)); }

  template <class Get, class Put>
  TPropertyBuilder& Boolean(std::string name, Get get, Put set) {
    info_.AddProperty(Scalar<bool, bool>(std::move(name), TPropertyKind::Boolean, get, set));
    return *this;
  }
  TPropertyBuilder& Boolean(std::string name, bool T::*field) { return Boolean(std::move(name), field, Assign(field)); }

  template <class Get, class Put>
  TPropertyBuilder& String(std::string name, Get get, Put set) {
    info_.AddProperty(Scalar<std::string, std::string>(std::move(name), TPropertyKind::String, get, set));
    return *this;
  }
  TPropertyBuilder& String(std::string name, std::string T::*field) {
    return String(std::move(name), field, Assign(field));
  }

  // Colours accept clXxx names and numbers in layouts.
  template <class Get, class Put>
  TPropertyBuilder& Color(std::string name, Get get, Put set) {
    TPropertyInfo p = Scalar<std::int64_t, Result<Get>>(std::move(name), TPropertyKind::Color, get, set);
    p.Min = INT32_MIN;
    p.Max = UINT32_MAX;
    info_.AddProperty(std::move(p));
    return *this;
  }
  template <class V, class C>
    requires std::is_base_of_v<C, T>
  TPropertyBuilder& Color(std::string name, V C::*field) { return Color(std::move(name), field, Assign(field)); }

  // `names` are the identifiers of the ordinals 0, 1, 2 ...
  template <class Get, class Put>
  TPropertyBuilder& Enumeration(std::string name, std::vector<std::string> names, Get get, Put set) {
    TPropertyInfo p = Scalar<std::int64_t, Result<Get>>(std::move(name), TPropertyKind::Enumeration, get, set);
    p.ValueNames = std::move(names);
    p.Min = 0;
    p.Max = static_cast<std::int64_t>(p.ValueNames.size()) - 1;
    info_.AddProperty(std::move(p));
    return *this;
  }
  template <class V>
  TPropertyBuilder& Enumeration(std::string name, std::vector<std::string> names, V T::*field) {
    return Enumeration(std::move(name), std::move(names), field, Assign(field));
  }

  // A set is held as a bit mask: bit i is `names[i]`.
  template <class Get, class Put>
  TPropertyBuilder& Set(std::string name, std::vector<std::string> names, Get get, Put set) {
    if (names.size() > 63) throw std::logic_error("Set " + name + " has too many members");
    TPropertyInfo p = Scalar<std::int64_t, Result<Get>>(std::move(name), TPropertyKind::Set, get, set);
    p.ValueNames = std::move(names);
    info_.AddProperty(std::move(p));
    return *this;
  }
  template <class V>
  TPropertyBuilder& Set(std::string name, std::vector<std::string> names, V T::*field) {
    return Set(std::move(name), std::move(names), field, Assign(field));
  }

  // A list of strings given whole, e.g. the "Strings" of a TStrings.
  template <class Get, class Put>
  TPropertyBuilder& Strings(std::string name, Get get, Put set) {
    info_.AddProperty(Scalar<std::vector<std::string>, std::vector<std::string>>(std::move(name),
                                                                                 TPropertyKind::Strings, get, set));
    return *this;
  }

  // -- objects ---------------------------------------------------------------
  // A nested object the class owns (Font, SkinData, Items ...): layouts set
  // its own properties with dotted names ("Font.Height").
  template <class Get>
  TPropertyBuilder& Object(std::string name, Get get) {
    info_.AddProperty(Nested(std::move(name), TPropertyKind::Object, get));
    return *this;
  }
  // An owned collection; a layout replaces its items.
  template <class Get>
  TPropertyBuilder& Collection(std::string name, Get get) {
    info_.AddProperty(Nested(std::move(name), TPropertyKind::Collection, get));
    return *this;
  }

  // A reference to another component of the same layout, of class C.
  template <class C, class Get, class Put>
  TPropertyBuilder& Component(std::string name, Get get, Put set) {
    TPropertyInfo p;
    p.Name = std::move(name);
    p.Kind = TPropertyKind::Component;
    p.ReferenceClass = &C::StaticClassInfo();
    p.Read = [get](TPersistent& o) -> TPropertyValue {
      return static_cast<TPersistent*>(std::invoke(get, Self(o)));
    };
    p.Write = [set, n = p.Name](TPersistent& o, const TPropertyValue& v) {
      TPersistent* target = std::get<TPersistent*>(v);
      C* typed = dynamic_cast<C*>(target);
      if (target && !typed) throw std::invalid_argument(n + " needs a " + C::StaticClassInfo().Name());
      std::invoke(set, Self(o), typed);
    };
    info_.AddProperty(std::move(p));
    return *this;
  }
  template <class C>
  TPropertyBuilder& Component(std::string name, C* T::*field) {
    return Component<C>(std::move(name), field, Assign(field));
  }

  // Binary data; the setter receives bytes that live only for the call.
  template <class Put>
  TPropertyBuilder& Binary(std::string name, Put set) {
    TPropertyInfo p;
    p.Name = std::move(name);
    p.Kind = TPropertyKind::Binary;
    p.Write = [set](TPersistent& o, const TPropertyValue& v) { std::invoke(set, Self(o), std::get<TBinaryData>(v)); };
    info_.AddProperty(std::move(p));
    return *this;
  }

  // An event member (a std::function); layouts bind it to a handler of the
  // root by name, and the handler must have exactly the event's type.
  template <class E>
  TPropertyBuilder& Event(std::string name, E T::*field) {
    TPropertyInfo p;
    p.Name = std::move(name);
    p.Kind = TPropertyKind::Event;
    p.Read = [field](TPersistent& o) -> TPropertyValue { return std::any(Self(o).*field); };
    p.Write = [field, n = p.Name](TPersistent& o, const TPropertyValue& v) {
      const std::any& handler = std::get<std::any>(v);
      if (!handler.has_value()) {
        Self(o).*field = nullptr;
        return;
      }
      const E* typed = std::any_cast<E>(&handler);
      if (!typed) throw std::invalid_argument("the handler does not have the parameters of " + n);
      Self(o).*field = *typed;
    };
    info_.AddProperty(std::move(p));
    return *this;
  }

 private:
  template <class Get>
  using Result = std::remove_cvref_t<std::invoke_result_t<Get, const T&>>;

  static T& Self(TPersistent& o) {
    T* self = dynamic_cast<T*>(&o);
    if (!self) throw std::logic_error("Property accessor called on a " + o.ClassName());
    return *self;
  }

  template <class V, class C>
  static auto Assign(V C::*field) {
    return [field](T& self, V value) { self.*field = std::move(value); };
  }

  // W is the TPropertyValue alternative, V the class's own value type.
  template <class W, class V, class Get, class Put>
  static TPropertyInfo Scalar(std::string name, TPropertyKind kind, Get get, Put set) {
    TPropertyInfo p;
    p.Name = std::move(name);
    p.Kind = kind;
    p.Read = [get](TPersistent& o) -> TPropertyValue {
      return static_cast<W>(std::invoke(get, static_cast<const T&>(Self(o))));
    };
    p.Write = [set](TPersistent& o, const TPropertyValue& v) {
      std::invoke(set, Self(o), static_cast<V>(std::get<W>(v)));
    };
    return p;
  }

  template <class Get>
  static TPropertyInfo Nested(std::string name, TPropertyKind kind, Get get) {
    TPropertyInfo p;
    p.Name = std::move(name);
    p.Kind = kind;
    p.Read = [get](TPersistent& o) -> TPropertyValue {
      decltype(auto) nested = std::invoke(get, Self(o));
      if constexpr (std::is_pointer_v<std::remove_cvref_t<decltype(nested)>>)
        return static_cast<TPersistent*>(nested);
      else
        return static_cast<TPersistent*>(&nested);
    };
    return p;
  }

  TClassInfo& info_;
};
