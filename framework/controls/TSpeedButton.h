#pragma once
// A windowless button: raised (or, when Flat, framed only while the mouse is
// over it), sunken while pressed or Down. Buttons of one GroupIndex stay
// down one at a time.
#include "framework/TGraphicControl.h"
#include "framework/graphics/TBitmap.h"

class TSpeedButton : public TGraphicControl {
 public:
  TRAINER_CLASS_INFO()

  explicit TSpeedButton(TComponent* owner);

  bool Flat() const { return flat_; }
  void SetFlat(bool flat);
  bool Down() const { return down_; }
  void SetDown(bool down);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int index) { groupIndex_ = index; }
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool allow) { allowAllUp_ = allow; }
  TBitmap& Glyph() { return glyph_; }
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int count);
  bool MouseInControl() const { return mouseIn_; }
  bool Pressed() const { return pressed_; }

  void Click() override;

 protected:
  void Paint() override;
  void WndProc(TMessage& message) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  bool flat_ = false;
  bool down_ = false;
  int groupIndex_ = 0;
  bool allowAllUp_ = false;
  TBitmap glyph_;
  int numGlyphs_ = 1;
  bool mouseIn_ = false;
  bool pressed_ = false;
};
