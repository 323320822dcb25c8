#pragma once
// What a root component (a form) publishes to its layout: event handlers by
// name, and fields that receive the components the layout creates.
#include <any>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class TComponent;

class TPublishedNames {
 public:
  // `handler` is the std::function of the event type it serves.
  void AddMethod(std::string name, std::any handler);
  // The handler named `name` (ASCII case-insensitive), or an empty any.
  std::any FindMethod(std::string_view name) const;

  // `bind` stores a component (or null) in the field and answers whether the
  // component has the field's class.
  void AddField(std::string name, std::function<bool(TComponent*)> bind, std::function<TComponent*()> current);
  // Stores `component` in the field named like it. Fields not declared are
  // fine (answer true); a field of another class answers false.
  bool BindField(std::string_view name, TComponent* component) const;
  // Clears every field that holds `component` (it is being destroyed).
  void ForgetComponent(const TComponent* component) const;

 private:
  struct Method {
    std::string Name;
    std::any Handler;
  };
  struct Field {
    std::string Name;
    std::function<bool(TComponent*)> Bind;
    std::function<TComponent*()> Current;
  };
  std::vector<Method> methods_;
  std::vector<Field> fields_;
};
