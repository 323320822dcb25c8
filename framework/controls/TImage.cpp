#include "framework/controls/TImage.h"

#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"

const TClassInfo& TImage::StaticClassInfo() {
  static const TClassInfo info("TImage", &TGraphicControl::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<TImage>());
    TPropertyBuilder<TImage>(c)
        .Boolean("Center", &TImage::Center, &TImage::SetCenter)
        .Object("Picture", &TImage::Picture)
        .Boolean("Stretch", &TImage::Stretch, &TImage::SetStretch)
        .Boolean("Transparent", &TImage::Transparent, &TImage::SetTransparent);
  });
  return info;
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 105, 105);
  picture_.OnChange = [this](TObject*) { PictureChanged(); };
}

void TImage::PictureChanged() {
  if (TGraphic* graphic = picture_.Graphic()) graphic->SetTransparent(transparent_);
  Invalidate();
}

void TImage::SetStretch(bool stretch) {
  if (stretch == stretch_) return;
  stretch_ = stretch;
  Invalidate();
}

void TImage::SetCenter(bool center) {
  if (center == center_) return;
  center_ = center;
  Invalidate();
}

void TImage::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  PictureChanged();
}

void TImage::Paint() {
  TGraphic* graphic = picture_.Graphic();
  if (!graphic || graphic->Empty()) return;
  TRect r = Bounds(0, 0, graphic->Width(), graphic->Height());
  if (stretch_)
    r = ClientRect();
  else if (center_)
    r = r.Offset((Width() - r.Width()) / 2, (Height() - r.Height()) / 2);
  Canvas().StretchDraw(r, *graphic);
}
