#include "platform/windowing/nonclient/ScrollBarGeometry.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/windowing/WinUser.h"

namespace {
int alongStart(const RECT& r, int bar) { return bar == SB_HORZ ? r.Left : r.Top; }
int extent(const RECT& r, int bar) { return bar == SB_HORZ ? r.Width() : r.Height(); }
// Rounded integer a * b / c on 64 bits; 0 for a zero divisor.
int mulDiv(std::int64_t a, std::int64_t b, std::int64_t c) {
  if (c == 0) return 0;
  const std::int64_t n = a * b;
  const std::int64_t q = (n >= 0) == (c > 0) ? (n + std::abs(c) / 2) / c : (n - std::abs(c) / 2) / c;
  return static_cast<int>(q);
}
}  // namespace

RECT ScrollBarGeometry::barRect(const Window& w, int bar) {
  const bool h = w.hbarShown && (w.style & WS_HSCROLL);
  const bool v = w.vbarShown && (w.style & WS_VSCROLL);
  const RECT& c = w.client;
  const bool left = (w.exStyle & WS_EX_LEFTSCROLLBAR) != 0;
  if (bar == SB_HORZ && h) {
    RECT r{c.Left, c.Bottom, c.Right, c.Bottom + GetSystemMetrics(SM_CYHSCROLL)};
    return Intersect(r, Bounds(0, 0, w.width(), w.height()));
  }
  if (bar == SB_VERT && v) {
    const int width = GetSystemMetrics(SM_CXVSCROLL);
    RECT r = left ? RECT{c.Left - width, c.Top, c.Left, c.Bottom} : RECT{c.Right, c.Top, c.Right + width, c.Bottom};
    return Intersect(r, Bounds(0, 0, w.width(), w.height()));
  }
  return {};
}

RECT ScrollBarGeometry::sizeBoxRect(const Window& w) {
  const RECT h = barRect(w, SB_HORZ);
  const RECT v = barRect(w, SB_VERT);
  if (h.IsEmpty() || v.IsEmpty()) return {};
  return {v.Left, h.Top, v.Right, h.Bottom};
}

int ScrollBarGeometry::arrowLength(const RECT& r, int bar) {
  const int arrow = bar == SB_HORZ ? GetSystemMetrics(SM_CXHSCROLL) : GetSystemMetrics(SM_CYVSCROLL);
  // Too short a bar shares its length between the two arrows.
  return 2 * arrow < extent(r, bar) ? arrow : extent(r, bar) / 2;
}

int ScrollBarGeometry::maxPosition(const ScrollBarData& d) {
  return d.max - std::max(static_cast<int>(d.page) - 1, 0);
}

bool ScrollBarGeometry::scrollable(const ScrollBarData& d) {
  const std::int64_t range = static_cast<std::int64_t>(d.max) - d.min + 1;
  return d.page == 0 ? d.max > d.min : static_cast<std::int64_t>(d.page) < range;
}

ScrollBarGeometry::Thumb ScrollBarGeometry::thumb(const ScrollBarData& d, const RECT& r, int bar, int pos) {
  const int arrow = arrowLength(r, bar);
  const int track = extent(r, bar) - 2 * arrow;
  const std::int64_t range = static_cast<std::int64_t>(d.max) - d.min + 1;
  if (track <= 0 || range <= 0 || !scrollable(d)) return {};
  int length = d.page == 0 ? arrow : mulDiv(d.page, track, range);
  length = std::max(length, kMinThumb);
  if (length > track) return {};
  const std::int64_t steps = range - std::max<std::int64_t>(d.page, 1);
  int offset = steps <= 0 ? 0 : mulDiv(static_cast<std::int64_t>(pos) - d.min, track - length, steps);
  offset = std::clamp(offset, 0, track - length);
  return {arrow + offset, length};
}

int ScrollBarGeometry::partAt(const ScrollBarData& d, const RECT& r, int bar, POINT p) {
  if (!r.Contains(p)) return -1;
  const int at = (bar == SB_HORZ ? p.X : p.Y) - alongStart(r, bar);
  const int arrow = arrowLength(r, bar);
  const int length = extent(r, bar);
  if (at < arrow) return SB_LINEUP;
  if (at >= length - arrow) return SB_LINEDOWN;
  const Thumb t = thumb(d, r, bar, d.pos);
  if (t.length == 0) return -1;
  if (at < t.start) return SB_PAGEUP;
  if (at >= t.start + t.length) return SB_PAGEDOWN;
  return SB_THUMBTRACK;
}

int ScrollBarGeometry::positionForThumb(const ScrollBarData& d, const RECT& r, int bar, int thumbStart) {
  const Thumb t = thumb(d, r, bar, d.pos);
  const int arrow = arrowLength(r, bar);
  const int room = extent(r, bar) - 2 * arrow - t.length;
  if (t.length == 0 || room <= 0) return d.pos;
  const int offset = std::clamp(thumbStart - arrow, 0, room);
  const std::int64_t steps = static_cast<std::int64_t>(d.max) - d.min + 1 - std::max<std::int64_t>(d.page, 1);
  return std::clamp(d.min + mulDiv(offset, steps, room), d.min, maxPosition(d));
}
