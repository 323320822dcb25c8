#include "controls/TsSpeedButton.h"

#include "framework/TClassInfo.h"

const TClassInfo& TsSpeedButton::StaticClassInfo() {
  static const TClassInfo info("TsSpeedButton", &TSpeedButton::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<TsSpeedButton>());
    TPropertyBuilder<TsSpeedButton> b(c);
    PublishSkinnedButton(b);
    PublishGlyphButton(b);
    b.Enumeration("ButtonStyle", {"tbsButton", "tbsCheck", "tbsDropDown", "tbsSeparator", "tbsDivider"},
                  &TsSpeedButton::ButtonStyle, &TsSpeedButton::SetButtonStyle);
  });
  return info;
}
