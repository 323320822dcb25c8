#pragma once
// The gauge's plain look, used while no skin paints it: the indicator drawn
// on black and combined with exclusive-or, then the percentage written in
// white and combined the same way, so the text shows inverted over both the
// filled and the empty part. A bsSingle border stays black.
#include "platform/Bitmap.h"
#include "platform/Geometry.h"

class TsGauge;
class TCanvas;

class TsGaugePlainPainter {
 public:
  explicit TsGaugePlainPainter(const TsGauge& gauge) : gauge_(gauge) {}

  // The gauge's picture at its own size, 24 bits per pixel.
  Bitmap Paint() const;

 private:
  void DrawIndicator(TCanvas& canvas, const TRect& area) const;
  void DrawBar(TCanvas& canvas, const TRect& area) const;
  // The pie and the needle: fills the area, sets the round face's brush
  // and pen, and answers the face's size (a single border adds a pixel).
  TSize PrepareRoundFace(TCanvas& canvas, const TRect& area) const;
  void DrawPie(TCanvas& canvas, const TRect& area) const;
  void DrawNeedle(TCanvas& canvas, const TRect& area) const;
  void DrawText(Bitmap& image, const TRect& area) const;

  const TsGauge& gauge_;
};
