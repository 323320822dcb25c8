#pragma once
// Moving a window by its caption (SC_MOVE): the window follows the pointer
// until the button is released; Escape puts it back.
#include "platform/windowing/SystemTracker.h"

class CaptionDragTracker : public SystemTracker {
 public:
  CaptionDragTracker(HWND hwnd, POINT startScreen);
  void mouseMove(POINT screen) override;
  void buttonUp(POINT screen) override;
  void cancel() override;
  HWND window() const override { return hwnd_; }

 private:
  void moveTo(POINT topLeft);
  HWND hwnd_;
  POINT start_;
  POINT origin_{};  // window position at the start (parent coordinates)
};
