#include "controls/TsGroupBox.h"

#include "framework/TBitmap.h"
#include "framework/TClassInfo.h"
#include "framework/TPropertyBuilder.h"

const TClassInfo& TsGroupBox::StaticClassInfo() {
  using G = TsGroupBox;
  static const TClassInfo info("TsGroupBox", &TGroupBox::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<G>());
    TPropertyBuilder<G>(c)
        .Enumeration("CaptionLayout", {"clTopLeft", "clTopCenter", "clTopRight"}, &G::CaptionLayout,
                     &G::SetCaptionLayout)
        .Integer("CaptionYOffset", &G::CaptionYOffset, &G::SetCaptionYOffset)
        .Object("SkinData", [](G& g) { return &g.SkinData(); })
        .String("CaptionSkin", &G::CaptionSkin, &G::SetCaptionSkin);
  });
  return info;
}

TsGroupBoxCaption TsGroupBox::CaptionGeometry() {
  TBitmap measure(1, 1);
  measure.Canvas().Font.Assign(Font());
  TsGroupBoxCaption caption;
  caption.BoxWidth = Width();
  caption.TextWidth = Caption().empty() ? 0 : measure.Canvas().TextWidth(Caption());
  caption.LetterHeight = measure.Canvas().TextHeight("W");
  caption.Layout = captionLayout_;
  caption.YOffset = captionYOffset_;
  caption.Skinned = skinData_.Skinned();
  return caption;
}
