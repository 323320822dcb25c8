#pragma once
// Holding the mouse on a default scroll bar: arrows and track areas send
// their line or page notification at once, again after 300 ms and then every
// 55 ms while the pointer stays on them; the thumb follows the pointer with
// SB_THUMBTRACK and ends with SB_THUMBPOSITION. Every grab ends with
// SB_ENDSCROLL.
#include "platform/windowing/SystemTracker.h"

class ScrollBarTracker : public SystemTracker {
 public:
  ScrollBarTracker(HWND hwnd, int bar, POINT startScreen);
  ~ScrollBarTracker() override;
  void mouseMove(POINT screen) override;
  void buttonUp(POINT screen) override;
  void cancel() override;
  HWND window() const override { return hwnd_; }

  static constexpr unsigned kFirstDelay = 300;
  static constexpr unsigned kRepeatDelay = 55;

 private:
  int partUnder(POINT screen) const;
  void notify(int code, int pos);
  void repeat();
  void finish(bool sendPosition);
  void setPressedLook(int part);

  HWND hwnd_;
  int bar_;
  int part_ = -1;
  POINT pointer_{};
  int grabOffset_ = 0;
  int timer_ = 0;
  bool firstDelay_ = true;
};
