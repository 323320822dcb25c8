#include "controls/hints/TsComicsHintWindow.h"

#include "framework/streaming/TClassInfo.h"
#include "platform/graphics/Shapes.h"

const TClassInfo& TsComicsHintWindow::StaticClassInfo() {
  static const TClassInfo info("TsComicsHintWindow", &TsCustomHintWindow::StaticClassInfo());
  return info;
}

void TsComicsHintWindow::AddShapeRoom(TSize& size, TSize&) const {
  if (SkinIndex() < 0) size.cy += Kind().ExOffset;
}

void TsComicsHintWindow::PaintShape(DeviceContext& dc, const TsHintLayout& layout, TPoint offset, int shrink) const {
  const TRect r = layout.Body.Offset(offset.X, offset.Y).Inflate(-shrink, -shrink);
  if (!r.IsEmpty()) RoundRect(&dc, r.Left, r.Top, r.Right, r.Bottom, Kind().Radius, Kind().Radius);
  PaintTailTriangle(dc, layout, offset, shrink);
}
