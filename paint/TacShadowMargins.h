#pragma once
// The room a blurred text shadow takes around its text. Each blur pass
// spreads the shadow one pixel further, and the shadow lies Distance pixels
// right and down of the text, so a label that sizes itself to its text
// grows by these margins: Near (zero or negative) is how far the shadow can
// reach above and left of the text, Far how far below and right of it.
#include "platform/Geometry.h"

struct TacShadowMargins {
  int Near = 0;
  int Far = 0;

  static TacShadowMargins For(int distance, int blurCount) {
    return {std::min(0, distance - blurCount), std::max(0, distance + blurCount)};
  }

  // What a measured text rectangle grows by in width and in height.
  int Growth() const { return Far - Near; }

  // The rectangle the text itself is written in: the label's text rectangle
  // with the margins taken off (left and top moved by -Near, right and
  // bottom by -Far).
  TRect TextRect(const TRect& rect) const {
    return {rect.Left - Near, rect.Top - Near, rect.Right - Far, rect.Bottom - Far};
  }

  friend bool operator==(const TacShadowMargins&, const TacShadowMargins&) = default;
};
