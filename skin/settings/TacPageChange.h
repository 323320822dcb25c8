#pragma once
// Whether a change of page is animated, and for how long (ms).
#include <cstdint>

#include "framework/TPersistent.h"

class TacPageChange : public TPersistent {
 public:
  TRAINER_CLASS_INFO()

  bool Active = true;
  std::uint16_t Time = 0;
};
