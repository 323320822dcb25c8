#pragma once
// One published property: its name, its kind and the type-erased accessors
// that the layout reader (and tests) call. Values cross the accessors as a
// TPropertyValue whose alternative depends on the kind (see TPropertyKind).
#include <any>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <variant>
#include <vector>

class TPersistent;
class TClassInfo;

enum class TPropertyKind {
  Integer,      // std::int64_t, checked against Min..Max
  Float,        // double
  Boolean,      // bool
  String,       // std::string (UTF-8)
  Color,        // std::int64_t holding a TColor
  Enumeration,  // std::int64_t ordinal into ValueNames
  Set,          // std::int64_t bit mask, bit i = ValueNames[i]
  Strings,      // std::vector<std::string>
  Object,       // read only: TPersistent* of a nested object (Font, SkinData ...)
  Collection,   // read only: TPersistent* of a TCollection
  Component,    // TPersistent* of a component of the same root, or null
  Binary,       // TBinaryData; the setter copies what it keeps
  Event,        // std::any holding the event's std::function type
};

// Bytes handed to a binary property: inline in the layout or an embedded
// resource file, then `Source` holds its path.
struct TBinaryData {
  std::span<const std::uint8_t> Bytes;
  std::string Source;
};

using TPropertyValue =
    std::variant<std::monostate, std::int64_t, double, bool, std::string, std::vector<std::string>, TPersistent*,
                 TBinaryData, std::any>;

struct TPropertyInfo {
  std::string Name;
  TPropertyKind Kind = TPropertyKind::Integer;
  std::vector<std::string> ValueNames;         // enumerations and sets
  std::int64_t Min = INT64_MIN;                // integers
  std::int64_t Max = INT64_MAX;
  const TClassInfo* ReferenceClass = nullptr;  // components: the class required
  std::function<void(TPersistent&, const TPropertyValue&)> Write;  // empty: read only
  std::function<TPropertyValue(TPersistent&)> Read;

  bool IsReadOnly() const { return !Write; }
};
