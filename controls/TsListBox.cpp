#include "controls/TsListBox.h"

#include "framework/TClassInfo.h"

const TClassInfo& TsListBox::StaticClassInfo() {
  using L = TsListBox;
  static const TClassInfo info("TsListBox", &TListBox::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<L>());
    TPropertyBuilder<L>(c)
        .Integer("AutoCompleteDelay", &L::AutoCompleteDelay, &L::SetAutoCompleteDelay)
        .Boolean("AutoComplete", &L::AutoComplete, &L::SetAutoComplete)
        .Enumeration("BorderStyle", {"bsNone", "bsSingle"}, &L::BorderStyle, &L::SetBorderStyle)
        .Object("BoundLabel", [](L& l) { return &l.BoundLabel(); })
        .Integer("Columns", &L::Columns, &L::SetColumns)
        .Object("SkinData", [](L& l) { return &l.SkinData(); })
        .Set("DisabledKind", DisabledKindNames(), &L::DisabledKind, &L::SetDisabledKind)
        .Boolean("IntegralHeight", &L::IntegralHeight, &L::SetIntegralHeight)
        .Boolean("Sorted", &L::Sorted, &L::SetSorted)
        .Enumeration("Style", {"lbStandard", "lbOwnerDrawFixed", "lbOwnerDrawVariable", "lbVirtual",
                               "lbVirtualOwnerDraw"},
                     &L::Style, &L::SetStyle)
        .Integer("TabWidth", &L::TabWidth, &L::SetTabWidth)
        .Boolean("AutoHideScroll", &L::AutoHideScroll, &L::SetAutoHideScroll)
        .Boolean("MultiSelect", &L::MultiSelect, &L::SetMultiSelect)
        .Boolean("ExtendedSelect", &L::ExtendedSelect, &L::SetExtendedSelect);
  });
  return info;
}

TsListBox::TsListBox(TComponent* owner) : TListBox(owner) {
  SetBounds(0, 0, 121, 97);
  SetItemHeight(16);
  skinData_.SetSkinSection("EDIT");
}
