#pragma once
// A plain rectangular hint with a 3-D frame, shown below the cursor.
#include "controls/hints/TsCustomHintWindow.h"

class TsSimplyHintWindow : public TsCustomHintWindow {
 public:
  TRAINER_CLASS_INFO()
  using TsCustomHintWindow::TsCustomHintWindow;
  TPoint HintPoint() const override;
 protected:
  TRect BodyRect(TSize size, int shadow, TsMousePosition corner) const override;
  void PaintShape(DeviceContext& dc, const TsHintLayout& layout, TPoint offset, int shrink) const override;
  void PaintFrame(Bitmap& picture, const Bitmap& mask, const TsHintLayout& layout) const override;
};
