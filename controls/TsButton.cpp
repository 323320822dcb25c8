#include "controls/TsButton.h"

#include "framework/TClassInfo.h"

const TClassInfo& TsButton::StaticClassInfo() {
  static const TClassInfo info("TsButton", &TButton::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<TsButton>());
    TPropertyBuilder<TsButton> b(c);
    PublishSkinnedButton(b);
    PublishWindowedButton(b);
  });
  return info;
}
