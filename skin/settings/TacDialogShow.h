#pragma once
// How platform dialogs appear: the length of their show animation in milliseconds.
#include <cstdint>

#include "framework/TPersistent.h"

class TacDialogShow : public TPersistent {
 public:
  TRAINER_CLASS_INFO()

  std::uint16_t Time = 0;
};
