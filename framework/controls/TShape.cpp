#include "framework/controls/TShape.h"

#include <algorithm>

#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"

const TClassInfo& TShape::StaticClassInfo() {
  static const TClassInfo info("TShape", &TGraphicControl::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<TShape>());
    TPropertyBuilder<TShape>(c)
        .Object("Brush", &TShape::Brush)
        .Object("Pen", &TShape::Pen)
        .Enumeration("Shape", {"stRectangle", "stSquare", "stRoundRect", "stRoundSquare", "stEllipse", "stCircle"},
                     &TShape::Shape, &TShape::SetShape);
  });
  return info;
}

TShape::TShape(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 65, 65);
  brush_.OnChange = [this](TObject*) { Invalidate(); };
  pen_.OnChange = [this](TObject*) { Invalidate(); };
}

void TShape::SetShape(TShapeType shape) {
  if (shape == shape_) return;
  shape_ = shape;
  Invalidate();
}

void TShape::Paint() {
  TCanvas& canvas = Canvas();
  canvas.Pen.Assign(pen_);
  canvas.Brush.Assign(brush_);
  TRect r = ClientRect();
  // Square kinds use the largest centred square.
  if (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle) {
    int side = std::min(r.Width(), r.Height());
    r = Bounds((r.Width() - side) / 2, (r.Height() - side) / 2, side, side);
  }
  switch (shape_) {
    case stRectangle:
    case stSquare:
      canvas.Rectangle(r);
      break;
    case stRoundRect:
    case stRoundSquare: {
      int corner = std::min(r.Width(), r.Height()) / 4;
      canvas.RoundRect(r, corner, corner);
      break;
    }
    case stEllipse:
    case stCircle:
      canvas.Ellipse(r);
      break;
  }
}
