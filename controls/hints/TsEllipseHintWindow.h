#pragma once
// An elliptic bubble with a tail; it grows so that the ellipse holds the text.
#include "controls/hints/TsCustomHintWindow.h"

class TsEllipseHintWindow : public TsCustomHintWindow {
 public:
  TRAINER_CLASS_INFO()
  using TsCustomHintWindow::TsCustomHintWindow;

 protected:
  int MinTextWidth() const override { return kMinTextWidth; }
  void AddShapeRoom(TSize& size, TSize& growth) const override;
  void PaintShape(DeviceContext& dc, const TsHintLayout& layout, TPoint offset, int shrink) const override;

 public:
  static constexpr int kMinTextWidth = 50;
  // The growth of a W x H rectangle that lets an ellipse hold it.
  static TSize EllipseGrowth(TSize size);
};
