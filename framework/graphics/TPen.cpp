#include "framework/graphics/TPen.h"

#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"

const TClassInfo& TPen::StaticClassInfo() {
  static const TClassInfo info("TPen", &TGraphicsObject::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<TPen>(c)
        .Color("Color", &TPen::Color, &TPen::SetColor)
        .Enumeration("Style", {"psSolid", "psClear", "psInsideFrame"}, &TPen::Style, &TPen::SetStyle)
        .Integer("Width", &TPen::Width, &TPen::SetWidth);
  });
  return info;
}

void TPen::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TPen::SetWidth(int width) {
  if (width < 1) width = 1;
  if (width == width_) return;
  width_ = width;
  Changed();
}

void TPen::SetStyle(TPenStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

Pen TPen::ToPen() const {
  int style = style_ == psClear ? PS_NULL : style_ == psInsideFrame ? PS_INSIDEFRAME : PS_SOLID;
  return Pen{style, width_, color_};
}

void TPen::Assign(const TPersistent& source) {
  if (auto* other = dynamic_cast<const TPen*>(&source)) {
    color_ = other->color_;
    width_ = other->width_;
    style_ = other->style_;
    Changed();
    return;
  }
  TGraphicsObject::Assign(source);
}
