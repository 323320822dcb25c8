#pragma once
// The thread's queue of posted messages (input included) and its quit flag.
#include <deque>
#include <functional>

#include "platform/windowing/WinTypes.h"

class MessageQueue {
 public:
  void post(const MSG& msg) { messages_.push_back(msg); }
  // The first message matching the filter (window nullptr = any, min = max = 0: any number).
  bool take(HWND filter, UINT min, UINT max, bool remove, MSG* out);
  // Removes and answers the first message the predicate accepts.
  bool takeIf(const std::function<bool(const MSG&)>& accept, MSG* out);
  bool empty() const { return messages_.empty(); }
  // Drops everything addressed to a window that is going away.
  void discard(HWND hwnd);

  void postQuit(int code) {
    quitPosted_ = true;
    quitCode_ = code;
  }
  bool quitPosted() const { return quitPosted_; }
  int takeQuit() {
    quitPosted_ = false;
    return quitCode_;
  }

 private:
  std::deque<MSG> messages_;
  bool quitPosted_ = false;
  int quitCode_ = 0;
};
