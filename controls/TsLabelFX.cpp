#include "controls/TsLabelFX.h"

#include "framework/TClassInfo.h"
#include "framework/TPropertyBuilder.h"

const TClassInfo& TsLabelFX::StaticClassInfo() {
  static const TClassInfo info("TsLabelFX", &TsCustomLabel::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<TsLabelFX>());
    TPropertyBuilder<TsLabelFX>(c)
        .Object("Kind", [](TsLabelFX& l) { return &l.Kind(); })
        .Object("Shadow", [](TsLabelFX& l) { return &l.Shadow(); });
  });
  return info;
}

TsLabelFX::TsLabelFX(TComponent* owner) : TsCustomLabel(owner) {}

TColor TsLabelFX::TextColor() const {
  if (shadow_.Mode() == smNone) return Font().Color();
  switch (kind_.KindType()) {
    case ktStandard:
      return Color();
    case ktCustom:
    case ktSkin:
      break;
  }
  return kind_.Color();
}

void TsLabelFX::Paint() {
  Canvas().Font.SetColor(TextColor());
  TsCustomLabel::Paint();
}
