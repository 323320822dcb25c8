#pragma once
// A link label: it switches to HoverFont while the mouse is over it and asks
// the desktop to open URL when it is pressed. Its published Font is the
// normal font, kept apart from the working font the label draws with.
#include <string>

#include "controls/labels/TsCustomLabel.h"

enum TsWindowShowMode {
  soHide, soNormal, soShowMinimized, soMaximize, soShowNoActivate, soShow,
  soMinimize, soShowMinNoActive, soShowNA, soRestore, soDefault
};

class TsWebLabel : public TsCustomLabel {
 public:
  TRAINER_CLASS_INFO()

  static constexpr int crHandPoint = -21;

  explicit TsWebLabel(TComponent* owner);

  TFont& NormalFont() { return normalFont_; }
  TFont& HoverFont() { return hoverFont_; }
  const std::string& URL() const { return url_; }
  void SetURL(const std::string& url) { url_ = url; }
  TsWindowShowMode ShowMode() const { return showMode_; }
  void SetShowMode(TsWindowShowMode mode) { showMode_ = mode; }
  bool Hot() const { return hot_; }

  void Loaded() override;
  // The hover font while the mouse is over the label, else the normal font.
  const TFont& CurrentFont() override { return hot_ ? hoverFont_ : normalFont_; }

 protected:
  void WndProc(TMessage& message) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  // Copies the font of the current state into the working font.
  void ApplyCurrentFont();
  // The mouse came or went: the hover font may need another size.
  void HotChanged(bool hot);

  TFont normalFont_;
  TFont hoverFont_;
  std::string url_;
  TsWindowShowMode showMode_ = soDefault;
  bool hot_ = false;
};
