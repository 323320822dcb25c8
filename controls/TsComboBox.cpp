#include "controls/TsComboBox.h"

#include "framework/TClassInfo.h"

const TClassInfo& TsComboBox::StaticClassInfo() {
  using B = TsComboBox;
  static const TClassInfo info("TsComboBox", &TComboBox::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<B>());
    TPropertyBuilder<B>(c)
        .Enumeration("Alignment", AlignmentNames(), &B::Alignment, &B::SetAlignment)
        .Object("BoundLabel", [](B& b) { return &b.BoundLabel(); })
        .Set("DisabledKind", DisabledKindNames(), &B::DisabledKind, &B::SetDisabledKind)
        .Object("SkinData", [](B& b) { return &b.SkinData(); })
        .Integer("ItemHeight", &B::ItemHeight, &B::SetItemHeight)
        .Boolean("ReadOnly", &B::ReadOnly, &B::SetReadOnly);
  });
  return info;
}

TsComboBox::TsComboBox(TComponent* owner) : TComboBox(owner) {
  SetDropDownCount(16);
  skinData_.SetSkinSection("COMBOBOX");
}
