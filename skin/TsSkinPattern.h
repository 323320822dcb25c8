#pragma once
// One JPEG pattern of a stored skin whose pack data is empty (an item of the
// stored skin's Patterns collection); Image holds the decoded picture.
#include <memory>
#include <string>

#include "platform/Bitmap.h"

class TsSkinPattern {
 public:
  std::string SectionName;
  std::shared_ptr<Bitmap> Image = std::make_shared<Bitmap>();  // created with the item, may stay empty
  std::string Name;
  std::string PropertyName;
};
