#include "platform/graphics/RegionBuilder.h"

#include <algorithm>
#include <cassert>

void RegionBuilder::addRow(int y, std::span<const Region::Span> spans) {
  assert((open_.empty() || y >= openBottom_) && "RegionBuilder rows must come top down");
  // Sort, drop empty spans and merge overlapping or touching ones.
  scratch_.clear();
  for (const Region::Span& s : spans)
    if (s.left < s.right) scratch_.push_back(s);
  std::sort(scratch_.begin(), scratch_.end(), [](const Region::Span& a, const Region::Span& b) { return a.left < b.left; });
  std::size_t kept = 0;
  for (std::size_t i = 0; i < scratch_.size(); ++i) {
    if (kept > 0 && scratch_[i].left <= scratch_[kept - 1].right)
      scratch_[kept - 1].right = std::max(scratch_[kept - 1].right, scratch_[i].right);
    else
      scratch_[kept++] = scratch_[i];
  }
  scratch_.resize(kept);

  if (!open_.empty() && y == openBottom_ && scratch_ == open_) {
    ++openBottom_;
    return;
  }
  flush();
  open_.swap(scratch_);
  openTop_ = y;
  openBottom_ = y + 1;
}

void RegionBuilder::addRow(int y, int left, int right) {
  const Region::Span span{left, right};
  addRow(y, std::span(&span, 1));
}

void RegionBuilder::flush() {
  if (!open_.empty()) result_.appendBand(openTop_, openBottom_, open_);
  open_.clear();
}

Region RegionBuilder::finish() {
  flush();
  result_.updateBox();
  Region out = std::move(result_);
  result_ = Region();
  return out;
}
