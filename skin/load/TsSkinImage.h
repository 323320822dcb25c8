#pragma once
// One mask of a stored skin whose pack data is empty (an item of the stored
// skin's Images collection).
#include <cstdint>
#include <memory>
#include <string>

#include "framework/TCollectionItem.h"
#include "paint/SkinRecords.h"
#include "platform/Bitmap.h"

class TsSkinImage : public TCollectionItem {
 public:
  TRAINER_CLASS_INFO()
  explicit TsSkinImage(TCollection* collection) : TCollectionItem(collection) {}

  std::string SectionName;
  // Created with the item and freed with it; may stay empty.
  // FIXME: published once the framework has a bitmap property type.
  std::shared_ptr<Bitmap> Image = std::make_shared<Bitmap>();
  std::string Name;
  std::string PropertyName;
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  std::int16_t ImageCount = 0;
  std::int16_t MaskType = 0;
  std::int16_t BorderWidth = 0;
  std::int16_t StretchMode = 0;
  TacImgType ImgType = itisaBorder;
  std::int16_t WL = 0, WR = 0, WT = 0, WB = 0;
};
