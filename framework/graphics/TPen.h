#pragma once
// The outline a canvas draws with: colour, width and solid or clear.
#include "framework/graphics/TGraphicsObject.h"
#include "platform/Color.h"
#include "platform/graphics/Pen.h"

enum TPenStyle { psSolid, psClear, psInsideFrame };

class TPen : public TGraphicsObject {
 public:
  TRAINER_CLASS_INFO()

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Width() const { return width_; }
  void SetWidth(int width);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle style);

  Pen ToPen() const;
  void Assign(const TPersistent& source) override;

 private:
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
};
