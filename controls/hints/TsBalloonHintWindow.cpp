#include "controls/hints/TsBalloonHintWindow.h"

#include <algorithm>
#include <cmath>

#include "framework/streaming/TClassInfo.h"
#include "platform/graphics/Shapes.h"

namespace {
constexpr int kTrailEllipses = 5;
}  // namespace

const TClassInfo& TsBalloonHintWindow::StaticClassInfo() {
  static const TClassInfo info("TsBalloonHintWindow", &TsCustomHintWindow::StaticClassInfo());
  return info;
}

void TsBalloonHintWindow::AddShapeRoom(TSize& size, TSize& growth) const {
  if (SkinIndex() >= 0) return;
  size.cy += Kind().ExOffset;
  growth = TsEllipseHintWindow::EllipseGrowth(size);
  size.cx += growth.cx;
  size.cy += growth.cy;
}

void TsBalloonHintWindow::PaintShape(DeviceContext& dc, const TsHintLayout& layout, TPoint offset, int shrink) const {
  const TRect r = layout.Body.Offset(offset.X, offset.Y).Inflate(-shrink, -shrink);
  if (!r.IsEmpty()) Ellipse(&dc, r.Left, r.Top, r.Right + 1, r.Bottom + 1);
  // The trail runs from where the line from the body's middle to the tip
  // leaves the body up to the tip: five circles in equal spans, each smaller
  // than the one before, none larger than a quarter of the body.
  const TRect& b = layout.Body;
  const double a = b.Width() / 2.0, bh = b.Height() / 2.0;
  if (a <= 0 || bh <= 0) return;
  const double cx = b.Left + a, cy = b.Top + bh;
  const double dx = layout.Tip.X - cx, dy = layout.Tip.Y - cy;
  const double reach = std::sqrt((dx / a) * (dx / a) + (dy / bh) * (dy / bh));
  if (reach <= 1) return;  // the tip lies inside the body: no trail
  const double edge = 1 / reach;  // share of the way where the body ends
  const double span = std::hypot(dx, dy) * (1 - edge) / kTrailEllipses;
  const double largest = std::min({b.Width() / 4.0, b.Height() / 4.0, span * 0.8});
  for (int i = 0; i < kTrailEllipses; ++i) {
    const double share = edge + (1 - edge) * (i + 0.5) / kTrailEllipses;
    const int x = static_cast<int>(std::lround(cx + dx * share)) + offset.X;
    const int y = static_cast<int>(std::lround(cy + dy * share)) + offset.Y;
    const int radius = static_cast<int>(largest * (kTrailEllipses + 1 - i) / (kTrailEllipses + 1) / 2) - shrink;
    if (radius > 0) Ellipse(&dc, x - radius, y - radius, x + radius + 1, y + radius + 1);
  }
}
