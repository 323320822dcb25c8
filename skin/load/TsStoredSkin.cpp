#include "skin/load/TsStoredSkin.h"

#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"

const TClassInfo& TsStoredSkin::StaticClassInfo() {
  static const TClassInfo info("TsStoredSkin", &TCollectionItem::StaticClassInfo(), [](TClassInfo& c) {
    using S = TsStoredSkin;
    TPropertyBuilder<S>(c)
        .String("Name", &S::Name)
        .Collection("GeneralData", &S::GeneralData)
        .Collection("Images", &S::Images)
        .Collection("Patterns", &S::Patterns)
        .Color("Shadow1Color", &S::Shadow1Color)
        .Integer("Shadow1Offset", &S::Shadow1Offset)
        .Integer("Shadow1Blur", &S::Shadow1Blur)
        .Integer("Shadow1Transparency", &S::Shadow1Transparency)
        .Color("BorderColor", &S::BorderColor)
        .Float("Version", &S::Version)
        .String("Author", &S::Author)
        .String("Description", &S::Description)
        .Binary("Data", [](S& skin, const TBinaryData& data) { skin.ReadData(data.Bytes); });
  });
  return info;
}
