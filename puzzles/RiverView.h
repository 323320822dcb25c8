#pragma once
// What the river window shows: the place and size of each figure's picture,
// indexed by RiverFigure.
#include <array>
#include <cstdint>

#include "platform/Geometry.h"

enum class RiverFigure : std::uint8_t { Goat, Cabbage, Wolf, OldMan };
inline constexpr int kRiverFigureCount = 4;

struct RiverView {
  std::array<TRect, kRiverFigureCount> pictures{};

  const TRect& picture(RiverFigure figure) const { return pictures[static_cast<int>(figure)]; }
  friend bool operator==(const RiverView&, const RiverView&) = default;
};
