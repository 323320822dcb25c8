#pragma once
// A picture on the parent: at its own size from the corner, or stretched to
// the control; a transparent bitmap leaves out its transparent colour (the
// bottom-left pixel unless a colour is fixed).
#include "framework/TGraphicControl.h"
#include "framework/graphics/TPicture.h"

class TImage : public TGraphicControl {
 public:
  TRAINER_CLASS_INFO()

  explicit TImage(TComponent* owner);

  TPicture& Picture() { return picture_; }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);
  bool Center() const { return center_; }
  void SetCenter(bool center);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);

 protected:
  void Paint() override;

 private:
  void PictureChanged();

  TPicture picture_;
  bool stretch_ = false;
  bool center_ = false;
  bool transparent_ = false;
};
