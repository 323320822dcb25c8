#pragma once
// Whether a change of skin is shown as an animation of each form, and for how long (ms).
#include <cstdint>

#include "framework/TPersistent.h"

class TacSkinChanging : public TPersistent {
 public:
  TRAINER_CLASS_INFO()

  bool Active = true;
  std::uint16_t Time = 100;
};
