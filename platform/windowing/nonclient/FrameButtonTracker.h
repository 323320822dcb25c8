#pragma once
// Holding a title button of the default frame: it looks pressed while the
// pointer stays on it, and releasing it there sends its system command.
#include "platform/windowing/SystemTracker.h"

class FrameButtonTracker : public SystemTracker {
 public:
  FrameButtonTracker(HWND hwnd, int hitCode);
  void mouseMove(POINT screen) override;
  void buttonUp(POINT screen) override;
  void cancel() override;
  HWND window() const override { return hwnd_; }

 private:
  bool over(POINT screen) const;
  void setPressed(bool pressed);
  HWND hwnd_;
  int hitCode_;
};
