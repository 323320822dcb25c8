#include "controls/TsBalloonHintWindow.h"

#include <algorithm>

#include "framework/TClassInfo.h"
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
  // The trail starts near the body's edge on the line from its middle to the
  // tip and ends close to the tip, each ellipse smaller than the one before.
  const TRect& b = layout.Body;
  const int cx = (b.Left + b.Right) / 2;
  const int cy = (b.Top + b.Bottom) / 2;
  const int tx = layout.Tip.X;
  const int ty = layout.Tip.Y;
  const int quarterW = b.Width() / 4;
  const int quarterH = b.Height() / 4;
  for (int i = 0; i < kTrailEllipses; ++i) {
    // From 60 to 92 per cent of the way to the tip.
    const int share = 60 + i * 8;
    const int x = cx + (tx - cx) * share / 100 + offset.X;
    const int y = cy + (ty - cy) * share / 100 + offset.Y;
    const int w = std::max(0, quarterW * (kTrailEllipses - i) / (2 * kTrailEllipses) - shrink);
    const int h = std::max(0, quarterH * (kTrailEllipses - i) / (2 * kTrailEllipses) - shrink);
    if (w > 0 && h > 0) Ellipse(&dc, x - w, y - h, x + w + 1, y + h + 1);
  }
}
