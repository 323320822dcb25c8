#include "skin/load/TsSkinImage.h"

#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"

const TClassInfo& TsSkinImage::StaticClassInfo() {
  static const TClassInfo info("TsSkinImage", &TCollectionItem::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<TsSkinImage>(c)
        .String("SectionName", &TsSkinImage::SectionName)
        .String("Name", &TsSkinImage::Name)
        .String("PropertyName", &TsSkinImage::PropertyName)
        .Integer("Left", &TsSkinImage::Left)
        .Integer("Top", &TsSkinImage::Top)
        .Integer("Right", &TsSkinImage::Right)
        .Integer("Bottom", &TsSkinImage::Bottom)
        .Integer("ImageCount", &TsSkinImage::ImageCount)
        .Integer("MaskType", &TsSkinImage::MaskType)
        .Integer("BorderWidth", &TsSkinImage::BorderWidth)
        .Integer("StretchMode", &TsSkinImage::StretchMode)
        .Enumeration("ImgType", {"itisaBorder", "itisaTexture", "itisaGlyph"}, &TsSkinImage::ImgType)
        .Integer("WL", &TsSkinImage::WL)
        .Integer("WR", &TsSkinImage::WR)
        .Integer("WT", &TsSkinImage::WT)
        .Integer("WB", &TsSkinImage::WB);
  });
  return info;
}
