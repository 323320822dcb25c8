#pragma once
// The small top-level window that shows a control's hint. The application
// creates it through its replaceable hint window class, so a hint manager
// can put its own drawn windows in its place.
#include <string>

#include "framework/TCustomControl.h"

class THintWindow : public TCustomControl {
 public:
  TRAINER_CLASS_INFO()

  explicit THintWindow(TComponent* owner);

  // The size the hint needs for `text`, wrapped at maxWidth, at (0, 0).
  virtual TRect CalcHintRect(int maxWidth, const std::string& text);
  // Shows the hint at `rect` (screen coordinates) without taking the focus.
  virtual void ActivateHint(const TRect& rect, const std::string& text);
  // Hides the window.
  virtual void ReleaseHint();
  bool Active() const { return active_; }

 protected:
  // For hint windows that show themselves their own way.
  void SetActive(bool value) { active_ = value; }
  void CreateParams(TCreateParams& params) override;
  void Paint() override;

 private:
  bool active_ = false;
};
