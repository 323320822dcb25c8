#pragma once
// A thought balloon: an elliptic body and a trail of five small ellipses toward the hint point.
#include "controls/hints/TsEllipseHintWindow.h"

class TsBalloonHintWindow : public TsCustomHintWindow {
 public:
  TRAINER_CLASS_INFO()
  using TsCustomHintWindow::TsCustomHintWindow;

 protected:
  int MinTextWidth() const override { return TsEllipseHintWindow::kMinTextWidth; }
  void AddShapeRoom(TSize& size, TSize& growth) const override;
  void PaintShape(DeviceContext& dc, const TsHintLayout& layout, TPoint offset, int shrink) const override;
};
