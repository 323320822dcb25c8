#include "controls/buttons/TsButton.h"

#include "controls/buttons/TsButtonCaption.h"
#include "controls/buttons/TsButtonGeometry.h"
#include "framework/streaming/TClassInfo.h"
#include "platform/graphics/TextDrawing.h"

const TClassInfo& TsButton::StaticClassInfo() {
  static const TClassInfo info("TsButton", &TButton::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<TsButton>());
    TPropertyBuilder<TsButton> b(c);
    PublishSkinnedButton(b);
    PublishWindowedButton(b);
  });
  return info;
}

TsButton::TsButton(TComponent* owner)
    : TButton(owner),
      TsButtonSkinSettings(static_cast<TControl&>(*this), kControlKind),
      TsWindowedButtonSkin(static_cast<TButton&>(*this), static_cast<TsButtonSkinSettings&>(*this)) {
  PaintContent = [this](TBitmap& cache, int state) { PaintCaption(cache, state); };
  FocusRect = [this](int state) { return CaptionRect(state); };
  SkinData().Loaded();
}

void TsButton::Loaded() {
  TButton::Loaded();
  SkinData().Loaded();
}

void TsButton::CreateParams(TCreateParams& params) {
  TButton::CreateParams(params);
  AdjustCreateParams(params);
}

unsigned TsButton::CaptionFormat() const {
  return DT_CENTER | DT_EXPANDTABS | (WordWrap() ? DT_WORDBREAK : DT_SINGLELINE);
}

TRect TsButton::CaptionRect(int state) {
  TBitmap& cache = SkinData().PrepareCache();
  const int box = Caption().empty() ? 0 : Width() - 2;
  const TSize text = MeasureButtonCaption(cache, Font(), Caption(), box, CaptionFormat());
  return CenteredCaptionRect({Width(), Height()}, text, state == 2);
}

void TsButton::PaintCaption(TBitmap& cache, int state) {
  const TRect r = CaptionRect(state);
  DrawButtonCaption(cache, Font(), Caption(), r, CaptionFormat(), LooksEnabled(), state != 0, SkinData());
}

void TsButton::SetButtonStyle(bool isDefault) {
  if (!ShowDefaultFlag()) TButton::SetButtonStyle(isDefault);
}

void TsButton::WndProc(TMessage& message) {
  if (!HandleSkinnedMessage(message, [this](TMessage& m) { TButton::WndProc(m); })) TButton::WndProc(message);
}
