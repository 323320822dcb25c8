#pragma once
// The fill a canvas uses: a colour and solid or clear.
#include "framework/graphics/TGraphicsObject.h"
#include "platform/Color.h"
#include "platform/graphics/Brush.h"

enum TBrushStyle { bsSolid, bsClear };

class TBrush : public TGraphicsObject {
 public:
  TRAINER_CLASS_INFO()

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle style);

  Brush ToBrush() const { return Brush{style_ == bsClear ? BS_NULL : BS_SOLID, color_}; }
  void Assign(const TPersistent& source) override;

 private:
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
};
