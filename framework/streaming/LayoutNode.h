#pragma once
// The parsed form of a layout file, before anything is created: objects with
// their properties in file order and their nested objects.
#include <cstdint>
#include <string>
#include <vector>

struct LayoutItem;

struct LayoutValue {
  enum class Kind {
    Integer,     // 12, -11, $FF00FF
    Float,       // 6.02
    String,      // 'Банки', 'it''s', #1041'x'
    Identifier,  // True, clRed, bsSingle, FormCreate, sSkinManager1
    Set,         // [akLeft, akTop]
    List,        // ('a' 'b')
    Collection,  // <item ... end>
    Binary,      // {0A1B...}
    Resource,    // {resource 'skins/Birch.asz'}
  };
  Kind Type = Kind::Integer;
  int Line = 0;
  std::int64_t Integer = 0;
  double Float = 0;
  std::string Text;                 // string, identifier, resource path
  std::vector<std::string> Names;   // set members
  std::vector<LayoutValue> Values;  // list entries
  std::vector<LayoutItem> Items;    // collection items
  std::vector<std::uint8_t> Bytes;  // binary
};

struct LayoutProperty {
  std::string Name;  // possibly dotted: "Font.Height"
  LayoutValue Value;
  int Line = 0;
};

struct LayoutItem {
  std::vector<LayoutProperty> Properties;
  int Line = 0;
};

struct LayoutNode {
  std::string Name;
  std::string ClassName;
  int Line = 0;
  std::vector<LayoutProperty> Properties;
  std::vector<LayoutNode> Children;
};
