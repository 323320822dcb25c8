#pragma once
// The framework's colour names (clRed, clBtnFace ...) as layouts write them.
#include <optional>
#include <string_view>

#include "platform/Color.h"

// The colour named `name` (ASCII case-insensitive), or nothing.
std::optional<TColor> IdentToColor(std::string_view name);
// The name of `color` when it has one.
std::optional<std::string_view> ColorToIdent(TColor color);
