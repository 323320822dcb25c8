#include "controls/hints/TsEllipseHintWindow.h"

#include <cmath>

#include "framework/streaming/TClassInfo.h"
#include "paint/primitives/ColorMath.h"
#include "platform/graphics/Shapes.h"

const TClassInfo& TsEllipseHintWindow::StaticClassInfo() {
  static const TClassInfo info("TsEllipseHintWindow", &TsCustomHintWindow::StaticClassInfo());
  return info;
}

TSize TsEllipseHintWindow::EllipseGrowth(TSize size) {
  if (size.cx <= 0 || size.cy <= 0) return {0, 0};
  const double w = size.cx;
  const double h = size.cy;
  const double d = std::sqrt(w * w + h * h) - w;
  return {RoundHalfEven(w * d / h), RoundHalfEven(d * h / w)};
}

void TsEllipseHintWindow::AddShapeRoom(TSize& size, TSize& growth) const {
  if (SkinIndex() >= 0) return;
  size.cy += Kind().ExOffset;
  growth = EllipseGrowth(size);
  size.cx += growth.cx;
  size.cy += growth.cy;
}

void TsEllipseHintWindow::PaintShape(DeviceContext& dc, const TsHintLayout& layout, TPoint offset, int shrink) const {
  // The ellipse includes the body's right and bottom edges.
  const TRect r = layout.Body.Offset(offset.X, offset.Y).Inflate(-shrink, -shrink);
  if (!r.IsEmpty()) Ellipse(&dc, r.Left, r.Top, r.Right + 1, r.Bottom + 1);
  PaintTailTriangle(dc, layout, offset, shrink);
}
