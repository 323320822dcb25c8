#include "controls/TsBitBtn.h"

#include "framework/TClassInfo.h"

const TClassInfo& TsBitBtn::StaticClassInfo() {
  static const TClassInfo info("TsBitBtn", &TBitBtn::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<TsBitBtn>());
    TPropertyBuilder<TsBitBtn> b(c);
    PublishSkinnedButton(b);
    PublishWindowedButton(b);
    PublishGlyphButton(b);
    b.Boolean("ShowFocus", &TsBitBtn::ShowFocus, &TsBitBtn::SetShowFocus);
  });
  return info;
}
