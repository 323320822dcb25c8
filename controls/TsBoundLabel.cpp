#include "controls/TsBoundLabel.h"

#include "framework/TClassInfo.h"
#include "framework/TPropertyBuilder.h"

const TClassInfo& TsBoundLabel::StaticClassInfo() {
  using B = TsBoundLabel;
  static const TClassInfo info("TsBoundLabel", &TPersistent::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<B>(c)
        .Boolean("Active", &B::Active)
        .String("Caption", &B::Caption)
        .Integer("Indent", &B::Indent)
        .Object("Font", [](B& b) { return &b.Font; })
        .Enumeration("Layout", {"sclLeft", "sclTopLeft", "sclTopCenter", "sclTopRight"}, &B::Layout)
        .Integer("MaxWidth", &B::MaxWidth)
        .Boolean("UseSkinColor", &B::UseSkinColor);
  });
  return info;
}
