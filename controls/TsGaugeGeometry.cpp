#include "controls/TsGaugeGeometry.h"

#include <cmath>
#include <numbers>

#include "framework/graphics/TCanvas.h"

namespace {
// Rounds to the nearest integer, halves to even.
int Round(double value) { return static_cast<int>(std::lrint(value)); }
}  // namespace

TPoint PieWedgeStart(int percent, int mx, int my) {
  const double angle = (percent / 50.0 + 0.5) * std::numbers::pi;
  return Point(Round(mx * (1 - std::cos(angle))), Round(my * (1 - std::sin(angle))));
}

TPoint NeedleTip(int percent, int mx, int baseY) {
  const double angle = percent / 100.0 * std::numbers::pi;
  return Point(Round(mx * (1 - std::cos(angle))), Round(baseY * (1 - std::sin(angle))));
}

void SelectCanvasTools(TCanvas& canvas) {
  SelectObject(canvas.Handle(), canvas.Pen.ToPen());
  SelectObject(canvas.Handle(), canvas.Brush.ToBrush());
}
