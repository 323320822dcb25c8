#include "skin/frame/TsTitleButton.h"

#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"

const TClassInfo& TsTitleButton::StaticClassInfo() {
  static const TClassInfo info("TsTitleButton", &TCollectionItem::StaticClassInfo(), [](TClassInfo& c) {
    using B = TsTitleButton;
    TPropertyBuilder<B>(c)
        .Boolean("Enabled", &B::Enabled)
        .Object("Glyph", [](B& b) -> TPersistent* { return &b.Glyph; })
        .String("Name", &B::Name)
        .Boolean("UseSkinData", &B::UseSkinData)
        .Event("OnMouseDown", &B::OnMouseDown)
        .Event("OnMouseUp", &B::OnMouseUp);
  });
  return info;
}

const TClassInfo& TsTitleButtons::StaticClassInfo() {
  static const TClassInfo info("TsTitleButtons", &TCollection::StaticClassInfo(), [](TClassInfo&) {});
  return info;
}
