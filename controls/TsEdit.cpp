#include "controls/TsEdit.h"

#include "framework/TClassInfo.h"

const TClassInfo& TsEdit::StaticClassInfo() {
  static const TClassInfo info("TsEdit", &TEdit::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<TsEdit>());
    TPropertyBuilder<TsEdit>(c)
        .Set("DisabledKind", DisabledKindNames(), &TsEdit::DisabledKind, &TsEdit::SetDisabledKind)
        .Object("SkinData", [](TsEdit& e) { return &e.SkinData(); })
        .Object("BoundLabel", [](TsEdit& e) { return &e.BoundLabel(); });
  });
  return info;
}
