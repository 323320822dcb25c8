#pragma once
// One JPEG pattern of a stored skin whose pack data is empty (an item of the
// stored skin's Patterns collection); Image holds the decoded picture.
#include <memory>
#include <string>

#include "framework/TCollectionItem.h"
#include "platform/Bitmap.h"

class TsSkinPattern : public TCollectionItem {
 public:
  TRAINER_CLASS_INFO()
  explicit TsSkinPattern(TCollection* collection) : TCollectionItem(collection) {}

  std::string SectionName;
  // Created with the item and freed with it; may stay empty.
  // FIXME: published once the framework has a JPEG picture property type.
  std::shared_ptr<Bitmap> Image = std::make_shared<Bitmap>();
  std::string Name;
  std::string PropertyName;
};
