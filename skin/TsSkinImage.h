#pragma once
// One mask of a stored skin whose pack data is empty (an item of the stored
// skin's Images collection).
#include <cstdint>
#include <memory>
#include <string>

#include "paint/SkinRecords.h"
#include "platform/Bitmap.h"

class TsSkinImage {
 public:
  std::string SectionName;
  std::shared_ptr<Bitmap> Image = std::make_shared<Bitmap>();  // created with the item, may stay empty
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
