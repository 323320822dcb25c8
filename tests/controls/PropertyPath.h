#pragma once
// Reads a published property by its dotted layout path ("Shadow.Color") the
// way the layout reader reaches it: through the class tables only.
#include <string>
#include <string_view>

#include "framework/TPersistent.h"
#include "framework/streaming/TClassInfo.h"

// The value, or std::monostate when a step of the path does not exist.
inline TPropertyValue ReadPath(TPersistent& object, std::string_view path) {
  TPersistent* target = &object;
  for (;;) {
    const std::size_t dot = path.find('.');
    const TPropertyInfo* info = target->ClassInfo().FindProperty(path.substr(0, dot));
    if (!info || !info->Read) return {};
    TPropertyValue value = info->Read(*target);
    if (dot == std::string_view::npos) return value;
    auto* nested = std::get_if<TPersistent*>(&value);
    if (!nested || !*nested) return {};
    target = *nested;
    path.remove_prefix(dot + 1);
  }
}
