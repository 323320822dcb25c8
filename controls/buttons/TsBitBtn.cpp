#include "controls/buttons/TsBitBtn.h"

#include "controls/buttons/TsButtonCaption.h"
#include "framework/streaming/TClassInfo.h"
#include "platform/graphics/TextDrawing.h"

const TClassInfo& TsBitBtn::StaticClassInfo() {
  static const TClassInfo info("TsBitBtn", &TBitBtn::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<TsBitBtn>());
    TPropertyBuilder<TsBitBtn> b(c);
    PublishSkinnedButton(b);
    PublishWindowedButton(b);
    PublishGlyphButton(b);
    b.Boolean("ShowFocus", &TsBitBtn::ShowFocus, &TsBitBtn::SetShowFocus);
    b.Event("OnPaint", &TsBitBtn::OnPaint);
  });
  return info;
}

TsBitBtn::TsBitBtn(TComponent* owner)
    : TBitBtn(owner),
      TsButtonSkinSettings(static_cast<TControl&>(*this), kControlKind),
      TsWindowedButtonSkin(static_cast<TButton&>(*this), static_cast<TsButtonSkinSettings&>(*this)),
      TsGlyphButtonSettings(static_cast<TControl&>(*this)) {
  // DrawOverBorder: the glyph goes under the border pieces, the caption over
  // them; without it the glyph is drawn last, over border and caption.
  PaintUnderBorder = [this](TBitmap& cache, int state) {
    if (DrawOverBorder()) PaintGlyph(cache, state);
  };
  PaintContent = [this](TBitmap& cache, int state) {
    PaintCaption(cache, state);
    if (!DrawOverBorder()) PaintGlyph(cache, state);
  };
  Painted = [this](TBitmap& cache) {
    if (OnPaint) OnPaint(this, cache);
  };
  FocusRect = [this](int state) { return ShowFocus() && ShowCaption() ? CaptionRect(state) : TRect{}; };
  SkinData().Loaded();
}

void TsBitBtn::Loaded() {
  TBitBtn::Loaded();
  // A glyph from the image list replaces the bitmap for good.
  if (ListGlyph()) Glyph().SetSize(0, 0);
  SkinData().Loaded();
}

void TsBitBtn::Notification(TComponent* component, TOperation operation) {
  TBitBtn::Notification(component, operation);
  if (operation == TOperation::opRemove) ForgetImages(component);
}

void TsBitBtn::CreateParams(TCreateParams& params) {
  TBitBtn::CreateParams(params);
  AdjustCreateParams(params);
}

std::string TsBitBtn::ShownCaption() const {
  if (Caption().empty() && Kind() != bkCustom) return KindCaption(Kind());
  return Caption();
}

TSize TsBitBtn::GlyphSize() { return ShownGlyphSize(Glyph(), NumGlyphs()); }

unsigned TsBitBtn::CaptionFormat() const {
  const unsigned align = TextAlignment() == taLeftJustify ? DT_LEFT : TextAlignment() == taRightJustify ? DT_RIGHT
                                                                                                          : DT_CENTER;
  return align | DT_EXPANDTABS | (WordWrap() ? DT_WORDBREAK : DT_SINGLELINE);
}

TsGlyphLayoutInput TsBitBtn::LayoutInput(int state) {
  TsGlyphLayoutInput in;
  in.Button = {Width(), Height()};
  in.Glyph = GlyphSize();
  in.Layout = Layout();
  in.Alignment = Alignment();
  in.Margin = Margin();
  in.Spacing = Spacing();
  in.Pressed = state == 2;
  const std::string caption = ShownCaption();
  int box = 0;
  if (ShowCaption() && !caption.empty()) {
    box = Width() - 2 * Margin();
    if ((Layout() == blGlyphLeft || Layout() == blGlyphRight) && in.Glyph.cx > 0) box -= in.Glyph.cx + Spacing();
  }
  in.Text = MeasureButtonCaption(SkinData().PrepareCache(), Font(), caption, box, CaptionFormat());
  return in;
}

TRect TsBitBtn::GlyphRect(int state) { return BitBtnGlyphRect(LayoutInput(state)); }
TRect TsBitBtn::CaptionRect(int state) { return BitBtnCaptionRect(LayoutInput(state)); }

void TsBitBtn::PaintGlyph(TBitmap& cache, int state) {
  const TsGlyphLayoutInput in = LayoutInput(state);
  if (in.Glyph.cx <= 0) return;
  const TRect g = BitBtnGlyphRect(in);
  DrawShownGlyph(cache.Pixels(), Glyph(), NumGlyphs(), Point(g.Left, g.Top), LooksEnabled(), state, Down());
}

void TsBitBtn::PaintCaption(TBitmap& cache, int state) {
  if (!ShowCaption()) return;
  DrawButtonCaption(cache, Font(), ShownCaption(), CaptionRect(state), CaptionFormat(), LooksEnabled(), state != 0,
                    SkinData());
}

void TsBitBtn::SetButtonStyle(bool isDefault) {
  if (!ShowDefaultFlag()) TBitBtn::SetButtonStyle(isDefault);
}

void TsBitBtn::WndProc(TMessage& message) {
  if (!HandleSkinnedMessage(message, [this](TMessage& m) { TBitBtn::WndProc(m); })) TBitBtn::WndProc(message);
}
