#pragma once
// Which pointer events make skinned buttons fade between their states (a set of bits).
#include <cstdint>

#include "framework/TPersistent.h"

class TacBtnEffects : public TPersistent {
 public:
  TRAINER_CLASS_INFO()

  enum Event : unsigned { beMouseEnter = 1u << 0, beMouseLeave = 1u << 1, beMouseDown = 1u << 2, beMouseUp = 1u << 3 };
  unsigned Events = beMouseEnter | beMouseLeave | beMouseDown | beMouseUp;
};
