#include "platform/graphics/Region.h"

#include <algorithm>

#include "platform/graphics/RegionBuilder.h"
#include "platform/graphics/ShapeScan.h"

namespace {

bool applyMode(int mode, bool inA, bool inB) {
  switch (mode) {
    case RGN_AND: return inA && inB;
    case RGN_OR: return inA || inB;
    case RGN_XOR: return inA != inB;
    case RGN_DIFF: return inA && !inB;
    default: return inA;
  }
}

// Combines two sorted span lists of one row into out.
void combineSpans(std::span<const Region::Span> a, std::span<const Region::Span> b, int mode,
                  std::vector<int>& edges, std::vector<Region::Span>& out) {
  out.clear();
  edges.clear();
  for (const Region::Span& s : a) {
    edges.push_back(s.left);
    edges.push_back(s.right);
  }
  for (const Region::Span& s : b) {
    edges.push_back(s.left);
    edges.push_back(s.right);
  }
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
  std::size_t ia = 0, ib = 0;
  for (std::size_t k = 0; k + 1 < edges.size(); ++k) {
    const int x0 = edges[k], x1 = edges[k + 1];
    while (ia < a.size() && a[ia].right <= x0) ++ia;
    while (ib < b.size() && b[ib].right <= x0) ++ib;
    const bool inA = ia < a.size() && a[ia].left <= x0;
    const bool inB = ib < b.size() && b[ib].left <= x0;
    if (!applyMode(mode, inA, inB)) continue;
    if (!out.empty() && out.back().right == x0)
      out.back().right = x1;
    else
      out.push_back({x0, x1});
  }
}

}  // namespace

Region::Region(const TRect& rect) {
  if (rect.IsEmpty()) return;
  const Span span{rect.Left, rect.Right};
  appendBand(rect.Top, rect.Bottom, std::span(&span, 1));
  updateBox();
}

RegionKind Region::kind() const {
  if (bands_.empty()) return NULLREGION;
  if (bands_.size() == 1 && spans_.size() == 1) return SIMPLEREGION;
  return COMPLEXREGION;
}

std::size_t Region::firstBandBelow(int y) const {
  auto it = std::partition_point(bands_.begin(), bands_.end(), [y](const Band& b) { return b.bottom <= y; });
  return static_cast<std::size_t>(it - bands_.begin());
}

bool Region::contains(int x, int y) const {
  const std::size_t b = firstBandBelow(y);
  if (b == bands_.size() || bands_[b].top > y) return false;
  const Span* first = spans_.data() + bands_[b].first;
  const Span* last = spans_.data() + bands_[b].last;
  const Span* it = std::partition_point(first, last, [x](const Span& s) { return s.right <= x; });
  return it != last && it->left <= x;
}

bool Region::intersects(const TRect& rect) const {
  bool found = false;
  forEachRectIn(rect, [&found](const TRect&) { found = true; });
  return found;
}

void Region::offset(int dx, int dy) {
  for (Band& band : bands_) {
    band.top += dy;
    band.bottom += dy;
  }
  for (Span& span : spans_) {
    span.left += dx;
    span.right += dx;
  }
  box_ = box_.IsEmpty() ? box_ : box_.Offset(dx, dy);
}

Region Region::scaled(int factor) const {
  Region result = *this;
  if (factor == 1) return result;
  for (Band& band : result.bands_) {
    band.top *= factor;
    band.bottom *= factor;
  }
  for (Span& span : result.spans_) {
    span.left *= factor;
    span.right *= factor;
  }
  result.updateBox();
  return result;
}

std::vector<TRect> Region::rects() const {
  std::vector<TRect> out;
  forEachRect([&out](const TRect& r) { out.push_back(r); });
  return out;
}

void Region::appendBand(int top, int bottom, std::span<const Span> spans) {
  if (spans.empty() || top >= bottom) return;
  if (!bands_.empty()) {
    Band& last = bands_.back();
    if (last.bottom == top && last.last - last.first == spans.size() &&
        std::equal(spans.begin(), spans.end(), spans_.begin() + last.first)) {
      last.bottom = bottom;
      return;
    }
  }
  const auto first = static_cast<std::uint32_t>(spans_.size());
  spans_.insert(spans_.end(), spans.begin(), spans.end());
  bands_.push_back(Band{top, bottom, first, static_cast<std::uint32_t>(spans_.size())});
}

void Region::updateBox() {
  if (bands_.empty()) {
    box_ = {};
    return;
  }
  box_ = {spans_[bands_[0].first].left, bands_.front().top, spans_[bands_[0].last - 1].right, bands_.back().bottom};
  for (const Band& band : bands_) {
    box_.Left = std::min(box_.Left, spans_[band.first].left);
    box_.Right = std::max(box_.Right, spans_[band.last - 1].right);
  }
}

Region Region::combine(const Region& a, const Region& b, int mode) {
  // Shortcuts that keep the common cases cheap.
  if (mode == RGN_COPY || (b.empty() && mode != RGN_AND)) return a;
  if (a.empty()) return mode == RGN_OR || mode == RGN_XOR ? b : Region();
  if (mode == RGN_AND && Intersect(a.box_, b.box_).IsEmpty()) return Region();
  if (mode == RGN_DIFF && Intersect(a.box_, b.box_).IsEmpty()) return a;

  // Every band edge of either region starts a stretch of rows in which both
  // regions keep the same spans.
  std::vector<int> ys;
  ys.reserve((a.bands_.size() + b.bands_.size()) * 2);
  for (const Band& band : a.bands_) {
    ys.push_back(band.top);
    ys.push_back(band.bottom);
  }
  for (const Band& band : b.bands_) {
    ys.push_back(band.top);
    ys.push_back(band.bottom);
  }
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());

  Region out;
  std::vector<int> edges;
  std::vector<Span> spans;
  std::size_t ia = 0, ib = 0;
  for (std::size_t k = 0; k + 1 < ys.size(); ++k) {
    const int y0 = ys[k], y1 = ys[k + 1];
    while (ia < a.bands_.size() && a.bands_[ia].bottom <= y0) ++ia;
    while (ib < b.bands_.size() && b.bands_[ib].bottom <= y0) ++ib;
    std::span<const Span> rowA, rowB;
    if (ia < a.bands_.size() && a.bands_[ia].top <= y0)
      rowA = std::span(a.spans_).subspan(a.bands_[ia].first, a.bands_[ia].last - a.bands_[ia].first);
    if (ib < b.bands_.size() && b.bands_[ib].top <= y0)
      rowB = std::span(b.spans_).subspan(b.bands_[ib].first, b.bands_[ib].last - b.bands_[ib].first);
    combineSpans(rowA, rowB, mode, edges, spans);
    out.appendBand(y0, y1, spans);
  }
  out.updateBox();
  return out;
}

// ---- Classic functions ---------------------------------------------------

Region CreateRectRgn(int left, int top, int right, int bottom) { return Region(TRect{left, top, right, bottom}); }
Region CreateRectRgnIndirect(const TRect& rect) { return Region(rect); }
Region CreateEllipticRgn(int left, int top, int right, int bottom) {
  return ShapeScan::ellipse(TRect{left, top, right, bottom});
}
Region CreateEllipticRgnIndirect(const TRect& rect) { return ShapeScan::ellipse(rect); }
Region CreateRoundRectRgn(int left, int top, int right, int bottom, int width, int height) {
  return ShapeScan::roundRect(TRect{left, top, right, bottom}, width, height);
}
Region CreatePolygonRgn(std::span<const TPoint> points, int fillMode) { return ShapeScan::polygon(points, fillMode); }

int CombineRgn(Region& dest, const Region& a, const Region& b, int mode) {
  if (mode < RGN_AND || mode > RGN_COPY) return RGN_ERROR;
  dest = Region::combine(a, b, mode);
  return dest.kind();
}

int OffsetRgn(Region& region, int dx, int dy) {
  region.offset(dx, dy);
  return region.kind();
}

int SetRectRgn(Region& region, int left, int top, int right, int bottom) {
  region = Region(TRect{left, top, right, bottom});
  return region.kind();
}

bool PtInRegion(const Region& region, int x, int y) { return region.contains(x, y); }
bool RectInRegion(const Region& region, const TRect& rect) { return region.intersects(rect); }

int GetRgnBox(const Region& region, TRect& box) {
  box = region.box();
  return region.kind();
}

bool EqualRgn(const Region& a, const Region& b) { return a == b; }
