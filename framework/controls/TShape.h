#pragma once
// A filled shape drawn with its Pen and Brush (the balls of the tube window
// are ellipses).
#include "framework/TGraphicControl.h"

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TShape : public TGraphicControl {
 public:
  TRAINER_CLASS_INFO()

  explicit TShape(TComponent* owner);

  TShapeType Shape() const { return shape_; }
  void SetShape(TShapeType shape);
  TBrush& Brush() { return brush_; }
  TPen& Pen() { return pen_; }

 protected:
  void Paint() override;

 private:
  TShapeType shape_ = stRectangle;
  TBrush brush_;
  TPen pen_;
};
