#include "adapters/TacScrollGeometry.h"

#include <algorithm>
#include <cstdlib>

int MulDivRounded(std::int64_t a, std::int64_t b, std::int64_t c) {
  if (c == 0) return 0;
  const std::int64_t n = a * b;
  const std::int64_t magnitude = (std::abs(n) + std::abs(c) / 2) / std::abs(c);
  return static_cast<int>((n < 0) != (c < 0) ? -magnitude : magnitude);
}

int BarExtent(const TRect& r, int kind) { return kind == kBarHorizontal ? r.Width() : r.Height(); }
int BarStart(const TRect& r, int kind) { return kind == kBarHorizontal ? r.Left : r.Top; }

TacThumb ThumbGeometry(const SCROLLINFO& si, int minThumbLength, const TRect& barRect, int kind, int arrow) {
  const int track = BarExtent(barRect, kind) - 2 * arrow;
  const std::int64_t range = static_cast<std::int64_t>(si.nMax) - si.nMin + 1;
  TacThumb thumb;
  if (si.nPage == 0) thumb.Length = arrow;
  else if (range > 0) thumb.Length = std::max(MulDivRounded(si.nPage, track, range), minThumbLength);
  int offset = 0;
  if (range > 0) {
    const std::int64_t divisor = range - std::max<std::int64_t>(si.nPage, 1);
    offset = MulDivRounded(static_cast<std::int64_t>(si.nPos) - si.nMin, track - thumb.Length, divisor);
    offset = std::clamp(offset, 0, std::max(0, track - thumb.Length));
  }
  thumb.Start = BarStart(barRect, kind) + arrow + offset;
  return thumb;
}

int HitTestBar(const SCROLLINFO& si, int minThumbLength, const TRect& barRect, int kind, int arrow, TPoint point) {
  const bool horizontal = kind == kBarHorizontal;
  const int across = horizontal ? point.Y : point.X;
  const int acrossStart = horizontal ? barRect.Top : barRect.Left;
  const int acrossEnd = horizontal ? barRect.Bottom : barRect.Right;
  if (across < acrossStart || across >= acrossEnd) return kPortionNone;
  const int along = horizontal ? point.X : point.Y;
  const int start = BarStart(barRect, kind);
  const int extent = BarExtent(barRect, kind);
  const int end = start + extent;
  if (along < start || along >= end) return kPortionNone;
  const int e = 2 * arrow < extent ? arrow : extent / 2;
  if (along < start + e) return kPortionFirstArrow;
  if (along >= end - e) return kPortionSecondArrow;
  const TacThumb thumb = ThumbGeometry(si, minThumbLength, barRect, kind, arrow);
  if (thumb.Length >= extent - 2 * arrow) return kPortionNone;
  if (along >= thumb.Start && along < thumb.Start + thumb.Length) return kPortionThumb;
  if (along < thumb.Start) return kPortionTrackBefore;
  return kPortionTrackAfter;
}

int PositionForThumb(const SCROLLINFO& si, int thumbStart, int trackStart, int trackLength, int thumbLength) {
  const std::int64_t span = static_cast<std::int64_t>(si.nMax) - si.nMin;
  if (span < 1) return thumbStart - trackStart;
  return MulDivRounded(thumbStart - trackStart, span - si.nPage + 1, trackLength - thumbLength);
}
