#include "controls/hints/TsSimplyHintWindow.h"

#include "framework/streaming/TClassInfo.h"
#include "paint/primitives/FillPrimitives.h"
#include "platform/graphics/Shapes.h"

namespace {
// The hint point lies this far below the cursor's, clear of the arrow.
constexpr int kBelowCursor = 16;
}  // namespace

const TClassInfo& TsSimplyHintWindow::StaticClassInfo() {
  static const TClassInfo info("TsSimplyHintWindow", &TsCustomHintWindow::StaticClassInfo());
  return info;
}

TPoint TsSimplyHintWindow::HintPoint() const {
  TPoint p = TsCustomHintWindow::HintPoint();
  if (SkinIndex() < 0) p.Y += kBelowCursor;
  return p;
}

TRect TsSimplyHintWindow::BodyRect(TSize size, int shadow, TsMousePosition) const {
  return Rect(0, 0, size.cx - shadow, size.cy - shadow);
}

void TsSimplyHintWindow::PaintShape(DeviceContext& dc, const TsHintLayout& layout, TPoint offset, int shrink) const {
  const TRect r = layout.Body.Offset(offset.X, offset.Y).Inflate(-shrink, -shrink);
  if (!r.IsEmpty()) Rectangle(&dc, r.Left, r.Top, r.Right, r.Bottom);
}

void TsSimplyHintWindow::PaintFrame(Bitmap& picture, const Bitmap&, const TsHintLayout& layout) const {
  const TsHintKind& k = Kind();
  TRect r = layout.Body;
  for (int i = 0; i < k.BevelWidth && !r.IsEmpty(); ++i, r = r.Inflate(-1, -1)) {
    FillBitmapRect(picture, Rect(r.Left, r.Top, r.Right, r.Top + 1), k.ColorBorderTop);
    FillBitmapRect(picture, Rect(r.Left, r.Top, r.Left + 1, r.Bottom), k.ColorBorderTop);
    FillBitmapRect(picture, Rect(r.Left + 1, r.Bottom - 1, r.Right, r.Bottom), k.ColorBorderBottom);
    FillBitmapRect(picture, Rect(r.Right - 1, r.Top + 1, r.Right, r.Bottom), k.ColorBorderBottom);
  }
}
