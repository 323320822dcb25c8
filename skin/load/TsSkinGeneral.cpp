#include "skin/load/TsSkinGeneral.h"

#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"

const TClassInfo& TsSkinGeneral::StaticClassInfo() {
  static const TClassInfo info("TsSkinGeneral", &TCollectionItem::StaticClassInfo(), [](TClassInfo& c) {
    using G = TsSkinGeneral;
    TPropertyBuilder<G>(c)
        .String("SectionName", &G::SectionName)
        .String("ParentClass", &G::ParentClass)
        .Color("Color", &G::Color)
        .Boolean("ReservedBoolean", &G::ReservedBoolean)
        .String("FontColor", &G::FontColor)
        .String("HotFontColor", &G::HotFontColor)
        .Integer("Transparency", &G::Transparency)
        .Integer("GradientPercent", &G::GradientPercent)
        .String("GradientData", &G::GradientData)
        .Integer("ImagePercent", &G::ImagePercent)
        .Boolean("ShowFocus", &G::ShowFocus)
        .Boolean("FadingEnabled", &G::FadingEnabled)
        .Integer("FadingIterations", &G::FadingIterations)
        .Color("HotColor", &G::HotColor)
        .Integer("HotTransparency", &G::HotTransparency)
        .Integer("HotGradientPercent", &G::HotGradientPercent)
        .String("HotGradientData", &G::HotGradientData)
        .Integer("HotImagePercent", &G::HotImagePercent)
        .String("Name", &G::Name)
        .Boolean("GiveOwnFont", &G::GiveOwnFont);
  });
  return info;
}
