#pragma once
// The number (from 0) of the command line a replay performs next. One cursor
// serves all task windows, since only one of them is on screen at a time.
//
// The counter is as wide as a list index: an 8-bit counter would wrap after
// line 255 and replay a longer list from its start forever.
#include <cstddef>

class StepCursor {
 public:
  std::size_t index() const { return index_; }
  void reset() { index_ = 0; }
  void advance() { ++index_; }

 private:
  std::size_t index_ = 0;
};
