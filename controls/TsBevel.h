#pragma once
// The rule under each task description: the plain bevel under the skinned
// controls' name, with nothing added and no skin painting.
#include "framework/controls/TBevel.h"

class TsBevel : public TBevel {
 public:
  TRAINER_CLASS_INFO()

  explicit TsBevel(TComponent* owner) : TBevel(owner) {}
};
