#include "controls/labels/TsLabelFX.h"

#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"
#include "paint/LabelText.h"
#include "paint/TsSkinContent.h"
#include "platform/graphics/TextDrawing.h"

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
  switch (kind_.KindType()) {
    case ktStandard:
      return Color();
    case ktCustom:
      return kind_.Color();
    case ktSkin:
      if (const TsSkinContent* skin = ActiveSkin()) {
        const int global = skin->GetSkinIndex("GLOBALINFO");
        if (global >= 0) {
          const std::int32_t left = skin->Sections[static_cast<std::size_t>(global)].FontColor[1];  // "TCLEFT"
          if (left != -1) return static_cast<TColor>(left);
        }
      }
      break;
  }
  return kind_.Color();
}

TacShadowSettings TsLabelFX::ShadowSettings() {
  if (shadow_.Mode() == smSkin1) {
    if (const TsSkinContent* skin = ActiveSkin(); skin != nullptr && skin->SkinData.Shadow1Blur != -1) {
      shadow_.SetChannelsFrom(skin->SkinData.Shadow1Color);
      return {skin->SkinData.Shadow1Color, skin->SkinData.Shadow1Blur, skin->SkinData.Shadow1Offset};
    }
  }
  return {shadow_.Color(), shadow_.BlurCount(), shadow_.Distance()};
}

void TsLabelFX::DoDrawText(TRect& rect, unsigned flags) {
  if (shadow_.Mode() == smNone) {
    TsCustomLabel::DoDrawText(rect, flags);
    return;
  }
  const TacShadowSettings shadow = ShadowSettings();
  TCanvas& canvas = Canvas();
  canvas.Font.Assign(Font());
  const HDC dc = canvas.Handle();
  SelectObject(dc, CreateFontIndirect(canvas.Font.ToLogFont()));
  const std::string text = MeasuredText(flags);
  const bool calculating = (flags & DT_CALCRECT) != 0;
  const bool withShadow = shadow.Color != clNone && shadow.BlurCount != 0;

  if (!Enabled()) {
    // Engraved, without the blur; a size is measured as the plain text's.
    if (calculating)
      DrawText(dc, text, rect, flags);
    else
      DrawEngravedText(dc, text, rect, flags);
    return;
  }
  const TColor textColor = TextColor();
  if (calculating || !withShadow) {
    const int savedMode = SetBkMode(dc, TRANSPARENT);
    const TColor savedColor = SetTextColor(dc, textColor);
    DrawText(dc, text, rect, flags);
    SetTextColor(dc, savedColor);
    SetBkMode(dc, savedMode);
    if (calculating && withShadow) {
      margins_ = TacShadowMargins::For(shadow.Distance, shadow.BlurCount);
      rect.Right += margins_.Growth();
      rect.Bottom += margins_.Growth();
    }
    return;
  }
  painter_.Paint(dc, text, rect, flags, margins_, shadow,
                 Transparent() ? std::nullopt : std::optional<TColor>(Color()), textColor);
}
