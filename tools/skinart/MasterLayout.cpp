#include "tools/skinart/MasterLayout.h"

#include <algorithm>

namespace {
constexpr int kGap = 1;
}

const MasterLayout::Entry* MasterLayout::blocker(const TRect& r) const {
  const TRect grown = r.Inflate(kGap, kGap);
  for (const Entry& e : entries_)
    if (!Intersect(grown, e.rect).IsEmpty()) return &e;
  return nullptr;
}

bool MasterLayout::pin(const std::string& name, const TRect& r) {
  if (r.IsEmpty() || r.Left < 0 || r.Top < 0 || r.Right > width_) return false;
  for (const Entry& e : entries_)
    if (!Intersect(r, e.rect).IsEmpty()) return false;
  entries_.push_back({name, r});
  return true;
}

TRect MasterLayout::place(const std::string& name, int width, int height) {
  if (width <= 0 || height <= 0 || width > width_) return {};
  for (int y = 0;; ++y) {
    int x = 0;
    while (x + width <= width_) {
      const TRect candidate = Bounds(x, y, width, height);
      const Entry* hit = blocker(candidate);
      if (!hit) {
        entries_.push_back({name, candidate});
        return candidate;
      }
      // Jump past the rectangle in the way.
      x = hit->rect.Right + kGap;
    }
  }
}

int MasterLayout::height() const {
  int h = 0;
  for (const Entry& e : entries_) h = std::max(h, e.rect.Bottom);
  return h;
}
