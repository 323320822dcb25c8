#pragma once
// One section of a stored skin whose pack data is empty (an item of the
// stored skin's GeneralData collection): the section's values as the
// section list holds them, but FontColor and HotFontColor are texts of five
// blank-separated integers.
#include <string>

#include "framework/TCollectionItem.h"
#include "paint/SkinRecords.h"

class TsSkinGeneral : public TCollectionItem, public TsSectionValues {
 public:
  TRAINER_CLASS_INFO()
  explicit TsSkinGeneral(TCollection* collection) : TCollectionItem(collection) {}

  std::string FontColor;
  std::string HotFontColor;
  std::string Name;
};
