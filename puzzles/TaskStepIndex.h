#pragma once
// The one step index of the program: whichever task window replays uses it,
// and only one of them is on screen at a time.
#include "puzzles/StepCursor.h"

inline StepCursor& TaskStepIndex() {
  static StepCursor cursor;
  return cursor;
}
