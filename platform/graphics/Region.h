#pragma once
// Regions: sets of pixels stored as horizontal bands (top..bottom, exclusive)
// each holding sorted, non-touching x-spans (left..right, exclusive). Adjacent
// bands with the same spans are merged, so two regions covering the same
// pixels have the same representation and compare equal.
//
// Region is a plain value. The classic free functions below (CreateRectRgn,
// CombineRgn ...) build and combine them; the drawing context uses them as
// clip, the windowing layer as window shapes.
#include <cstdint>
#include <span>
#include <vector>

#include "platform/Geometry.h"

// Result of operations that report what kind of region they produced.
enum RegionKind : int { RGN_ERROR = 0, NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3 };
enum CombineMode : int { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };
// How a self-intersecting polygon is filled.
enum PolyFillMode : int { ALTERNATE = 1, WINDING = 2 };

class Region {
 public:
  struct Span {
    int left = 0;
    int right = 0;  // exclusive
    friend bool operator==(const Span&, const Span&) = default;
  };

  Region() = default;
  explicit Region(const TRect& rect);

  bool empty() const { return bands_.empty(); }
  // Smallest rectangle holding every pixel; empty for an empty region.
  TRect box() const { return box_; }
  RegionKind kind() const;
  bool contains(int x, int y) const;
  // True when some pixel of the rectangle is in the region.
  bool intersects(const TRect& rect) const;
  void offset(int dx, int dy);
  // Every pixel becomes a factor x factor block (factor >= 1): a region in
  // logical pixels turned into device pixels.
  Region scaled(int factor) const;

  // The pixels of a and b combined by mode (RGN_COPY takes a).
  static Region combine(const Region& a, const Region& b, int mode);

  // Calls fn(const TRect&) for every band span, top to bottom, left to right.
  template <class Fn>
  void forEachRect(Fn&& fn) const {
    for (const Band& band : bands_)
      for (std::uint32_t i = band.first; i < band.last; ++i)
        fn(TRect{spans_[i].left, band.top, spans_[i].right, band.bottom});
  }
  // Same, limited to the part inside bounds (the rectangles handed out are
  // already intersected with it).
  template <class Fn>
  void forEachRectIn(const TRect& bounds, Fn&& fn) const {
    if (bounds.IsEmpty()) return;
    for (std::size_t b = firstBandBelow(bounds.Top); b < bands_.size() && bands_[b].top < bounds.Bottom; ++b) {
      const Band& band = bands_[b];
      const int top = band.top > bounds.Top ? band.top : bounds.Top;
      const int bottom = band.bottom < bounds.Bottom ? band.bottom : bounds.Bottom;
      for (std::uint32_t i = band.first; i < band.last; ++i) {
        const int left = spans_[i].left > bounds.Left ? spans_[i].left : bounds.Left;
        const int right = spans_[i].right < bounds.Right ? spans_[i].right : bounds.Right;
        if (left < right) fn(TRect{left, top, right, bottom});
      }
    }
  }
  std::vector<TRect> rects() const;

  friend bool operator==(const Region& a, const Region& b) { return a.bands_ == b.bands_ && a.spans_ == b.spans_; }

 private:
  friend class RegionBuilder;
  struct Band {
    int top = 0;
    int bottom = 0;  // exclusive
    std::uint32_t first = 0;  // spans_[first, last)
    std::uint32_t last = 0;
    friend bool operator==(const Band& a, const Band& b) {
      return a.top == b.top && a.bottom == b.bottom && a.last - a.first == b.last - b.first;
    }
  };
  std::size_t firstBandBelow(int y) const;  // first band with bottom > y
  // Adds a band below the last one, merging it when the spans match.
  void appendBand(int top, int bottom, std::span<const Span> spans);
  void updateBox();

  std::vector<Band> bands_;
  std::vector<Span> spans_;
  TRect box_;
};

// ---- Classic region functions ------------------------------------------
// Shapes cover their box from Left/Top to Right-1/Bottom-1, like the filled
// shapes of the drawing context.
Region CreateRectRgn(int left, int top, int right, int bottom);
Region CreateRectRgnIndirect(const TRect& rect);
Region CreateEllipticRgn(int left, int top, int right, int bottom);
Region CreateEllipticRgnIndirect(const TRect& rect);
// Corner ellipses are width x height pixels.
Region CreateRoundRectRgn(int left, int top, int right, int bottom, int width, int height);
// Pixels whose centres lie inside the polygon (ALTERNATE or WINDING).
Region CreatePolygonRgn(std::span<const TPoint> points, int fillMode);

int CombineRgn(Region& dest, const Region& a, const Region& b, int mode);
int OffsetRgn(Region& region, int dx, int dy);
int SetRectRgn(Region& region, int left, int top, int right, int bottom);
bool PtInRegion(const Region& region, int x, int y);
bool RectInRegion(const Region& region, const TRect& rect);
int GetRgnBox(const Region& region, TRect& box);
bool EqualRgn(const Region& a, const Region& b);
