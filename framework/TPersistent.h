#pragma once
// Objects with published properties that can be assigned from one another
// and know who owns them (a collection item its collection, a font its control).
#include "framework/TObject.h"

class TPersistent : public TObject {
 public:
  TRAINER_CLASS_INFO()

  // Copies the published state of `source`; classes that support it override.
  // The base throws EConvertError naming both classes.
  virtual void Assign(const TPersistent& source);

  virtual TPersistent* GetOwner() const { return nullptr; }
};
