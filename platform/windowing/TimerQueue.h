#pragma once
// Window timers and the layer's own internal timers (scroll-bar repeat and the
// like), ordered by deadline. A timer is re-armed when it is taken, so killing
// it from inside its own tick, or re-setting it, is always safe.
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "platform/windowing/WinTypes.h"

class TimerQueue {
 public:
  // Window or thread timer (hwnd nullptr: the id is chosen here when 0).
  UINT_PTR set(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc, std::uint64_t now);
  bool kill(HWND hwnd, UINT_PTR id);
  void killAll(HWND hwnd);
  // Internal timers call back into the layer instead of posting WM_TIMER.
  using Callback = std::function<void()>;
  int setInternal(UINT elapseMs, Callback callback, std::uint64_t now);
  // An internal timer without the classic 10 ms floor (multimedia timers).
  int setPrecise(UINT elapseMs, Callback callback, std::uint64_t now);
  void killInternal(int key);

  std::optional<std::uint64_t> nextDeadline() const;
  // Takes the earliest timer due at `now`. A window timer fills `msg`
  // (WM_TIMER, lParam = the TIMERPROC) and answers true; an internal one runs
  // its callback and answers true with msg->message left WM_NULL.
  bool takeDue(std::uint64_t now, HWND filter, MSG* msg);
  // Like takeDue for window timers, but leaves the timer as it is.
  bool peekDue(std::uint64_t now, HWND filter, MSG* msg) const;
  bool exists(HWND hwnd, UINT_PTR id) const;

 private:
  struct Timer {
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    UINT elapse = 0;
    std::uint64_t due = 0;
    TIMERPROC proc = nullptr;
    Callback internal;
  };
  std::vector<Timer> timers_;
  UINT_PTR nextThreadId_ = 1;
  int nextInternalKey_ = 1;
};
