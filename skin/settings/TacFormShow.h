#pragma once
// How forms appear: whether they are animated when shown, and for how long (ms).
#include <cstdint>

#include "framework/TPersistent.h"

class TacFormShow : public TPersistent {
 public:
  TRAINER_CLASS_INFO()

  bool Active = true;
  std::uint16_t Time = 0;
};
