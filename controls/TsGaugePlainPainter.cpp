#include "controls/TsGaugePlainPainter.h"

#include <algorithm>
#include <string>

#include "controls/TsGauge.h"
#include "controls/TsGaugeGeometry.h"
#include "framework/graphics/TBitmap.h"
#include "platform/graphics/Shapes.h"

namespace {

// target ^= source, byte by byte; both have the same size, scale and format.
void XorInto(Bitmap& target, const Bitmap& source) {
  const int rowBytes = target.deviceWidth() * target.bytesPerPixel();
  for (int y = 0; y < target.deviceHeight(); ++y) {
    std::uint8_t* out = target.row(y);
    const std::uint8_t* in = source.row(y);
    for (int i = 0; i < rowBytes; ++i) out[i] ^= in[i];
  }
}

}  // namespace

Bitmap TsGaugePlainPainter::Paint() const {
  const int width = gauge_.Width();
  const int height = gauge_.Height();
  TRect area = Rect(0, 0, width, height);
  if (gauge_.BorderStyle() == bsSingle) area = Rect(1, 1, width - 1, height - 1);

  TBitmap image(width, height);
  TBitmap overlay(width, height);
  DrawIndicator(overlay.Canvas(), area);
  XorInto(image.Pixels(), overlay.Pixels());
  if (gauge_.ShowText()) DrawText(image.Pixels(), area);
  return image.Pixels();
}

void TsGaugePlainPainter::DrawIndicator(TCanvas& canvas, const TRect& area) const {
  canvas.Pen.SetWidth(1);
  switch (gauge_.Kind()) {
    case gkText:
      canvas.Brush.SetColor(gauge_.BackColor());
      canvas.FillRect(area);
      break;
    case gkHorizontalBar:
    case gkVerticalBar:
      DrawBar(canvas, area);
      break;
    case gkPie:
      DrawPie(canvas, area);
      break;
    case gkNeedle:
      DrawNeedle(canvas, area);
      break;
  }
}

void TsGaugePlainPainter::DrawBar(TCanvas& canvas, const TRect& area) const {
  // The extents count one pixel more than the area, and the filled box ends
  // at those extents rather than at Left + extent: the classic gauge's own
  // arithmetic, which the border then hides.
  const int w = area.Right - area.Left + 1;
  const int h = area.Bottom - area.Top + 1;
  canvas.Brush.SetColor(gauge_.BackColor());
  canvas.FillRect(area);
  canvas.Pen.SetColor(gauge_.ForeColor());
  canvas.Brush.SetColor(gauge_.ForeColor());
  if (gauge_.Kind() == gkHorizontalBar) {
    int filled = std::min(gauge_.FillLength(w), w);
    if (filled > 0) canvas.Rectangle(Rect(area.Left, area.Top, filled, h));
  } else {
    int filled = gauge_.FillLength(h);
    if (filled >= h) filled = h - 1;
    if (filled > 0) canvas.Rectangle(Rect(area.Left, h - filled, w, h));
  }
}

TSize TsGaugePlainPainter::PrepareRoundFace(TCanvas& canvas, const TRect& area) const {
  const int extra = gauge_.BorderStyle() == bsSingle ? 1 : 0;
  canvas.Brush.SetColor(gauge_.Color());
  canvas.FillRect(area);
  canvas.Brush.SetColor(gauge_.BackColor());
  canvas.Pen.SetColor(gauge_.ForeColor());
  return {area.Right - area.Left + extra, area.Bottom - area.Top + extra};
}

void TsGaugePlainPainter::DrawPie(TCanvas& canvas, const TRect& area) const {
  const TSize face = PrepareRoundFace(canvas, area);
  const int w = face.cx;
  const int h = face.cy;
  canvas.Ellipse(Rect(area.Left, area.Top, w, h));
  const int percent = gauge_.PercentDone();
  if (percent <= 0) return;
  canvas.Brush.SetColor(gauge_.ForeColor());
  SelectCanvasTools(canvas);
  const int mx = w / 2;
  const TPoint start = PieWedgeStart(percent, mx, h / 2);
  Pie(canvas.Handle(), area.Left, area.Top, w, h, area.Left + start.X, area.Top + start.Y, area.Left + mx, area.Top);
}

void TsGaugePlainPainter::DrawNeedle(TCanvas& canvas, const TRect& area) const {
  const TSize face = PrepareRoundFace(canvas, area);
  const int w = face.cx;
  const int h = face.cy;
  SelectCanvasTools(canvas);
  Pie(canvas.Handle(), area.Left, area.Top, w, 2 * h - 1, area.Left + w, area.Bottom - 1, area.Left,
      area.Bottom - 1);
  canvas.MoveTo(area.Left, area.Bottom);
  canvas.LineTo(area.Left + w, area.Bottom);
  const int percent = gauge_.PercentDone();
  if (percent <= 0) return;
  const int mx = gauge_.Width() / 2;
  const int base = area.Bottom - 1;
  const TPoint tip = NeedleTip(percent, mx, base);
  canvas.MoveTo(mx, base);
  canvas.LineTo(tip.X, tip.Y);
}

void TsGaugePlainPainter::DrawText(Bitmap& image, const TRect& area) const {
  // The plain look always says "%": the suffix belongs to the skinned text.
  const std::string text = std::to_string(gauge_.PercentDone()) + "%";
  TBitmap layer(image.width(), image.height());
  TCanvas& canvas = layer.Canvas();
  canvas.Font.Assign(gauge_.Font());
  canvas.Font.SetColor(clWhite);
  canvas.Brush.SetStyle(bsClear);
  const TSize size = canvas.TextExtent(text);
  const int x = (area.Right - area.Left + 1 - size.cx) / 2;
  const int y = (area.Bottom - area.Top + 1 - size.cy) / 2;
  canvas.TextRect(area, x, y, text);
  XorInto(image, layer.Pixels());
}
