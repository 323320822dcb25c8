#include "controls/hints/TsHintKind.h"

#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"

const TClassInfo& TsHintKind::StaticClassInfo() {
  using K = TsHintKind;
  static const TClassInfo info("TsHintKind", &TPersistent::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<K>(c)
        .Enumeration("Style", {"hsSimply", "hsComics", "hsEllipse", "hsBalloon", "hsStandard", "hsNone"}, &K::Style, &K::SetStyle)
        .Integer("Radius", &K::Radius)
        .Integer("BevelWidth", &K::BevelWidth)
        .Integer("Blur", &K::Blur)
        .Integer("ExOffset", &K::ExOffset)
        .String("GradientData", &K::GradientData)
        .Object("Texture", [](K& k) { return &k.Texture; })
        .String("TextureFile", &K::TextureFile)
        .Integer("GradientPercent", &K::GradientPercent)
        .Integer("TexturePercent", &K::TexturePercent)
        .Integer("Bevel", &K::Bevel)
        .Color("Color", &K::Color)
        .Color("ColorBorderTop", &K::ColorBorderTop)
        .Color("ColorBorderBottom", &K::ColorBorderBottom)
        .Integer("Transparency", &K::Transparency)
        .Integer("ShadowBlur", &K::ShadowBlur)
        .Integer("ShadowOffset", &K::ShadowOffset)
        .Integer("ShadowTransparency", &K::ShadowTransparency)
        .Color("ShadowColor", &K::ShadowColor)
        .Boolean("ShadowEnabled", &K::ShadowEnabled)
        .Integer("MarginH", &K::MarginH)
        .Integer("MarginV", &K::MarginV)
        .Integer("MaxWidth", &K::MaxWidth)
        .Object("Font", [](K& k) { return &k.Font; });
  });
  return info;
}

void TsHintKind::SetStyle(TsHintStyle value) {
  if (value == style_) return;
  style_ = value;
  if (OnStyleChange) OnStyleChange();
}
