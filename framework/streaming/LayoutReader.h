#pragma once
// Builds components from a layout: creates each object by class name with
// the root as owner and its enclosing object as parent, sets the properties
// in file order while the component is marked loading, binds events to the
// root's published handlers, resolves references between components and
// finally calls Loaded() on the root and then on every component in creation
// order. Every fault becomes a LayoutError naming the file, the line and the
// property; a setter's own exception is kept nested inside it.
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/streaming/LayoutNode.h"
#include "framework/streaming/TPropertyInfo.h"

class TClassRegistry;
class TComponent;
class TPersistent;

class LayoutReader {
 public:
  using ResourceLookup = std::function<std::optional<std::span<const std::uint8_t>>(std::string_view)>;

  // `resources` answers "{resource 'path'}" references.
  LayoutReader(const TClassRegistry& classes, ResourceLookup resources);

  // Reads the layout `text`, called `fileName` in errors, into `root`, whose
  // class must be the class the layout's root object names.
  void Read(TComponent& root, std::string_view fileName, std::string_view text);
  // Reads the layout stored as the resource `path`.
  void ReadResource(TComponent& root, std::string_view path);

 private:
  struct Fixup {
    TPersistent* Target;
    const TPropertyInfo* Property;
    std::string Component;
    std::string Path;
    int Line;
  };

  static std::string UniqueRootName(const TComponent& root, const std::string& name);
  void ReadBody(TComponent& component, const LayoutNode& node);
  void ReadChild(TComponent& parent, const LayoutNode& node);
  void SetProperty(TPersistent& object, const std::string& owner, const LayoutProperty& property);
  void WriteValue(TPersistent& target, const TPropertyInfo& info, const LayoutValue& value, const std::string& path);
  void ReadCollection(TPersistent* collection, const LayoutValue& value, const std::string& path);
  TPropertyValue Convert(const TPropertyInfo& info, const LayoutValue& value, const std::string& path,
                         std::vector<std::uint8_t>& scratch);
  void ResolveFixups();
  void DropFixupsInside(const TPersistent* container);

  [[noreturn]] void Mismatch(const LayoutValue& value, const std::string& path, const char* expected) const;
  [[noreturn]] void Fail(int line, const std::string& path, const std::string& message) const;
  // Runs `step`, turning any exception but a LayoutError into one.
  template <class F>
  void Guard(int line, const std::string& path, F&& step);

  const TClassRegistry& classes_;
  ResourceLookup resources_;

  // State of one Read.
  std::string file_;
  TComponent* root_ = nullptr;
  std::vector<TComponent*> loaded_;
  std::vector<Fixup> fixups_;
};

// Reads the embedded layout `path` into `root` with the program's class
// registry and resources.
void ReadComponentResource(TComponent& root, std::string_view path);
