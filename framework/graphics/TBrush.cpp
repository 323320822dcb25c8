#include "framework/graphics/TBrush.h"
#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"

const TClassInfo& TBrush::StaticClassInfo() {
  static const TClassInfo info("TBrush", &TGraphicsObject::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<TBrush>(c)
        .Color("Color", &TBrush::Color, &TBrush::SetColor)
        .Enumeration("Style", {"bsSolid", "bsClear"}, &TBrush::Style, &TBrush::SetStyle);
  });
  return info;
}

void TBrush::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  // Choosing a colour makes a clear brush solid again, as callers expect.
  style_ = bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TBrush::Assign(const TPersistent& source) {
  if (auto* other = dynamic_cast<const TBrush*>(&source)) {
    color_ = other->color_;
    style_ = other->style_;
    Changed();
    return;
  }
  TGraphicsObject::Assign(source);
}
