#pragma once
// A skin carried inside a window resource (an item of the manager's
// InternalSkins): a name and either a skin pack (the binary property "Data")
// or, when Data is empty, the skin's records as collections and a master
// bitmap.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "framework/TCollection.h"
#include "framework/TCollectionItem.h"
#include "platform/Bitmap.h"
#include "platform/Color.h"
#include "skin/load/TsSkinGeneral.h"
#include "skin/load/TsSkinImage.h"
#include "skin/load/TsSkinPattern.h"

class TsStoredSkin : public TCollectionItem {
 public:
  TRAINER_CLASS_INFO()
  explicit TsStoredSkin(TCollection* collection)
      : TCollectionItem(collection), GeneralData(this), Images(this), Patterns(this) {}

  std::string Name;
  TCollectionOf<TsSkinGeneral> GeneralData;
  TCollectionOf<TsSkinImage> Images;
  TCollectionOf<TsSkinPattern> Patterns;
  // FIXME: published once the framework has a bitmap property type.
  Bitmap MasterBitmap;
  TColor Shadow1Color = 0;
  std::int32_t Shadow1Offset = 0;
  std::int32_t Shadow1Blur = -1;
  std::int32_t Shadow1Transparency = 0;
  TColor BorderColor = clFuchsia;
  double Version = 0;
  std::string Author;
  std::string Description;

  // The binary property "Data": reading takes the whole value, writing gives
  // the whole content back.
  void ReadData(std::span<const std::uint8_t> bytes) { data_.assign(bytes.begin(), bytes.end()); }
  const std::vector<std::uint8_t>& Data() const { return data_; }

 private:
  std::vector<std::uint8_t> data_;
};
