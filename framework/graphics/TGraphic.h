#pragma once
// A picture that can draw itself on a canvas: a bitmap or a JPEG image.
#include <cstdint>
#include <span>

#include "framework/Events.h"
#include "framework/TPersistent.h"
#include "platform/Color.h"
#include "platform/Geometry.h"

class TCanvas;

class TGraphic : public TPersistent {
 public:
  TRAINER_CLASS_INFO()

  virtual int Width() const = 0;
  virtual int Height() const = 0;
  bool Empty() const { return Width() <= 0 || Height() <= 0; }

  // Draws the whole picture scaled into `rect` of the canvas.
  virtual void Draw(TCanvas& canvas, const TRect& rect) const = 0;

  // Replaces the picture with the file in `bytes`; false (picture unchanged)
  // when the bytes are not a picture of this kind.
  [[nodiscard]] virtual bool LoadFromBytes(std::span<const std::uint8_t> bytes) = 0;

  // Drawn without the pixels of TransparentColor.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);

  TNotifyEvent OnChange;

 protected:
  void Changed() {
    if (OnChange) OnChange(this);
  }

 private:
  bool transparent_ = false;
};
