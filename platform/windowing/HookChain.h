#pragma once
// The thread's CBT hooks: the most recently installed runs first and passes
// the event on with CallNextHookEx. Hooks removed while the chain runs are
// skipped from then on.
#include <vector>

#include "platform/windowing/WinTypes.h"

class HookChain {
 public:
  HHOOK add(HOOKPROC proc);
  bool remove(HHOOK hook);
  bool empty() const { return hooks_.empty(); }
  // Runs the chain from its first hook; 0 when there is none.
  LRESULT call(int code, WPARAM wParam, LPARAM lParam);
  // Runs the chain from the hook after `current`.
  LRESULT callNext(HHOOK current, int code, WPARAM wParam, LPARAM lParam);

 private:
  struct Hook {
    HHOOK handle = nullptr;
    HOOKPROC proc = nullptr;
  };
  LRESULT runFrom(std::size_t index, int code, WPARAM wParam, LPARAM lParam);

  std::vector<Hook> hooks_;  // first = most recent
  std::uintptr_t nextHandle_ = 1;
};
