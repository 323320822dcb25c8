#pragma once
// Reads a window layout from the program's embedded resources with the
// framework's parser and answers questions about its objects and properties
// by name, for tests that check what the windows rely on.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "framework/streaming/LayoutNode.h"
#include "framework/streaming/LayoutParser.h"
#include "resources/Resources.h"

class LayoutQuery {
 public:
  // Parses "layouts/<window>.lfm"; a missing or malformed layout fails the
  // calling test and leaves an empty tree.
  explicit LayoutQuery(std::string_view window) : path_("layouts/" + std::string(window) + ".lfm") {
    auto bytes = FindResource(path_);
    if (!bytes) {
      ADD_FAILURE() << path_ << " is not among the embedded resources";
      return;
    }
    std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    try {
      root_ = LayoutParser(path_, text).Parse();
    } catch (const std::exception& e) {
      ADD_FAILURE() << path_ << ": " << e.what();
    }
  }

  const LayoutNode& Root() const { return root_; }

  // The object called `name` anywhere in the tree, or null.
  const LayoutNode* Find(std::string_view name) const { return Find(root_, name, nullptr); }
  // The object that encloses `name`, or null.
  const LayoutNode* ParentOf(std::string_view name) const {
    const LayoutNode* parent = nullptr;
    Find(root_, name, &parent);
    return parent;
  }

  // Every object of the tree below the root, depth first in file order.
  std::vector<const LayoutNode*> All() const {
    std::vector<const LayoutNode*> out;
    Collect(root_, out);
    return out;
  }

  // The value of the property `property` (dotted names as written), or null.
  static const LayoutValue* Value(const LayoutNode& node, std::string_view property) {
    for (const LayoutProperty& p : node.Properties)
      if (p.Name == property) return &p.Value;
    return nullptr;
  }
  static const LayoutValue* Value(const std::vector<LayoutProperty>& properties, std::string_view property) {
    for (const LayoutProperty& p : properties)
      if (p.Name == property) return &p.Value;
    return nullptr;
  }

  // The property as text: strings and identifiers as written, integers in
  // decimal, sets as "[a, b]", "<missing>" when absent.
  static std::string Text(const LayoutNode& node, std::string_view property) {
    const LayoutValue* v = Value(node, property);
    if (!v) return "<missing>";
    switch (v->Type) {
      case LayoutValue::Kind::String:
      case LayoutValue::Kind::Identifier:
      case LayoutValue::Kind::Resource:
        return v->Text;
      case LayoutValue::Kind::Integer:
        return std::to_string(v->Integer);
      case LayoutValue::Kind::Set: {
        std::string out = "[";
        for (std::size_t i = 0; i < v->Names.size(); ++i) out += (i ? ", " : "") + v->Names[i];
        return out + "]";
      }
      default:
        return "<not a simple value>";
    }
  }

  // The entries of a string list property such as Items.Strings.
  static std::vector<std::string> Lines(const LayoutNode& node, std::string_view property) {
    std::vector<std::string> out;
    if (const LayoutValue* v = Value(node, property))
      for (const LayoutValue& entry : v->Values) out.push_back(entry.Text);
    return out;
  }

 private:
  static const LayoutNode* Find(const LayoutNode& node, std::string_view name, const LayoutNode** parent) {
    for (const LayoutNode& child : node.Children) {
      if (child.Name == name) {
        if (parent) *parent = &node;
        return &child;
      }
      if (const LayoutNode* found = Find(child, name, parent)) return found;
    }
    return nullptr;
  }
  static void Collect(const LayoutNode& node, std::vector<const LayoutNode*>& out) {
    for (const LayoutNode& child : node.Children) {
      out.push_back(&child);
      Collect(child, out);
    }
  }

  std::string path_;
  LayoutNode root_;
};
