#include "skin/frame/TacScreenSnap.h"

#include <cstdlib>

namespace {
// The snapped start of a span [start, start + length) on [0, limit).
int Snap(int start, int length, int limit, int buffer) {
  if (std::abs(start) <= buffer) return 0;
  if (std::abs(start + length - limit) <= buffer) return limit - length;
  return start;
}
}  // namespace

void SnapToScreen(WINDOWPOS& pos, TSize screen, int buffer) {
  if (buffer < 0) return;
  pos.x = Snap(pos.x, pos.cx, screen.cx, buffer);
  pos.y = Snap(pos.y, pos.cy, screen.cy, buffer);
}
