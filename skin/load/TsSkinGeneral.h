#pragma once
// One section of a stored skin whose pack data is empty (an item of the
// stored skin's GeneralData collection). FontColor and HotFontColor are
// texts of five blank-separated integers.
#include <cstdint>
#include <string>

#include "framework/TCollectionItem.h"
#include "platform/Color.h"

class TsSkinGeneral : public TCollectionItem {
 public:
  TRAINER_CLASS_INFO()
  explicit TsSkinGeneral(TCollection* collection) : TCollectionItem(collection) {}

  std::string SectionName;
  std::string ParentClass;
  TColor Color = 0xFFFFFF;
  bool ReservedBoolean = false;
  std::string FontColor;
  std::string HotFontColor;
  std::int32_t Transparency = 0;
  std::int32_t GradientPercent = 0;
  std::string GradientData = " ";
  std::int32_t ImagePercent = 0;
  bool ShowFocus = false;
  bool FadingEnabled = false;
  std::int32_t FadingIterations = 5;
  TColor HotColor = 0xFFFFFF;
  std::int32_t HotTransparency = 0;
  std::int32_t HotGradientPercent = 0;
  std::string HotGradientData;
  std::int32_t HotImagePercent = 0;
  std::string Name;
  bool GiveOwnFont = false;
};
