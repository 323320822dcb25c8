#pragma once
// The comics bubble: a rounded body with a tail pointing at the hint point.
#include "controls/hints/TsCustomHintWindow.h"

class TsComicsHintWindow : public TsCustomHintWindow {
 public:
  TRAINER_CLASS_INFO()
  using TsCustomHintWindow::TsCustomHintWindow;

 protected:
  void AddShapeRoom(TSize& size, TSize& growth) const override;
  void PaintShape(DeviceContext& dc, const TsHintLayout& layout, TPoint offset, int shrink) const override;
};
