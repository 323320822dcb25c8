#pragma once
// Rounded frames for border masks: an outline with anti-aliased corners, an
// optional fill, a light line along the inner top edge (raised look) or a
// soft shadow under it (pressed look). Several states side by side make one
// border mask. Highlight and shadow stay in the top four rows, so a mask
// whose top width is at least 4 has uniform side edges to tile.
#include <array>
#include <optional>
#include <vector>

#include "platform/Bitmap.h"
#include "tools/skinart/ArtLayer.h"

struct FrameStyle {
  int width = 12;
  int height = 12;
  // Corner radii: top-left, top-right, bottom-right, bottom-left.
  std::array<double, 4> radius{4, 4, 4, 4};
  Rgb outline{};
  double outlineOpacity = 1.0;
  double outlineWidth = 1.0;
  // Fill inside the outline: one colour, or a vertical gradient when
  // fillBottom is set too.
  std::optional<Rgb> fill;
  std::optional<Rgb> fillBottom;
  double highlightOpacity = 0.0;  // white line inside the top edge
  double shadeOpacity = 0.0;      // dark shadow inside the top edge
  // A one-pixel ring just inside the outline (a glow in the outline's
  // colour, or a white line for an etched look).
  std::optional<Rgb> innerLine;
  double innerLineOpacity = 0.0;
};

ArtLayer drawFrame(const FrameStyle& style);

// Frames side by side. Masked: the image rows with the mask rows below them
// (transparent inside pixels carry insideColor). Plain: every frame blended
// over the colours expected around it (ArtLayer::writePlain).
Bitmap joinMasked(const std::vector<ArtLayer>& frames, Rgb insideColor);
Bitmap joinPlain(const std::vector<ArtLayer>& frames, Rgb parent, Rgb inside);
