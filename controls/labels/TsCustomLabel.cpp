#include "controls/labels/TsCustomLabel.h"

#include "controls/StoreChanged.h"
#include "framework/TWinControl.h"
#include "framework/graphics/TBitmap.h"
#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"
#include "paint/LabelText.h"
#include "paint/SkinItemPainter.h"
#include "paint/primitives/ColorMath.h"
#include "platform/graphics/BlockTransfer.h"
#include "platform/graphics/TextDrawing.h"
#include "skin/SharedBackground.h"
#include "skin/SkinCommandMessage.h"
#include "skin/TsBackgroundRequest.h"
#include "skin/TsSkinManager.h"

bool TsCustomLabel::labelPainting_ = false;

const TClassInfo& TsCustomLabel::StaticClassInfo() {
  static const TClassInfo info("TsCustomLabel", &TLabel::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<TsCustomLabel>(c).String("SkinSection", &TsCustomLabel::SkinSection,
                                              &TsCustomLabel::SetSkinSection);
  });
  return info;
}

TsCustomLabel::TsCustomLabel(TComponent* owner) : TLabel(owner) { SetTransparent(true); }

void TsCustomLabel::SetSkinSection(const std::string& section) {
  if (StoreChanged(skinSection_, section)) Changed();
}

void TsCustomLabel::Changed() {
  if (!IsLoading()) Invalidate();
}

const TsSkinContent* TsCustomLabel::ActiveSkin() {
  const TsSkinManager* manager = TsSkinManager::DefaultManager();
  if (manager == nullptr || !manager->Content().SkinData.Active) return nullptr;
  return &manager->Content();
}

TColor TsCustomLabel::ParentBackgroundColor() const { return ::ParentColor(Parent()); }

TCacheInfo TsCustomLabel::BackgroundUnder() const {
  TsBackgroundRequest request;
  if (Parent() == nullptr) return CacheInfoFromRequest(request);
  AskForBackground(request, Parent(), false);
  return CacheInfoFromRequest(request);
}

const TFont& TsCustomLabel::CurrentFont() {
  const TsSkinContent* skin = ActiveSkin();
  if (skin == nullptr) return Font();
  const int section = FontSectionIndex(this, -1, TsSkinManager::DefaultManager());
  const TColor color = section >= 0 ? static_cast<TColor>(skin->Sections[static_cast<std::size_t>(section)].FontColor[0])
                                    : skin->GetGlobalFontColor();
  if (color != clKeyColor && color != Font().Color()) Font().SetColor(color);
  return Font();
}

// ---- painting ---------------------------------------------------------------

void TsCustomLabel::PrepareFont() {
  if (labelPainting_) return;
  labelPainting_ = true;
  const TFont& current = CurrentFont();
  if (&current != &Font()) Font().Assign(current);
  if (const TsSkinContent* skin = ActiveSkin(); skin != nullptr && !skinSection_.empty()) {
    const int index = skin->GetSkinIndex(skinSection_);
    // Index 0 is the skin's first section, which never lends its look.
    if (index > 0) {
      const TColor color = static_cast<TColor>(skin->Sections[static_cast<std::size_t>(index)].FontColor[0]);
      if (Font().Color() != color) Font().SetColor(color);
    }
  }
  labelPainting_ = false;
}

void TsCustomLabel::PaintSection() {
  const TsSkinContent* skin = ActiveSkin();
  if (skin == nullptr || skinSection_.empty() || Width() <= 0 || Height() <= 0) return;
  const int index = skin->GetSkinIndex(skinSection_);
  if (index <= 0) return;
  // The section is painted into a picture of the label's size over what
  // lies under the label, then put on the canvas.
  Bitmap picture(Width(), Height());
  const TCacheInfo under = BackgroundUnder();
  PaintItem(index, skinSection_, under, -1, -1, skin, &picture, TPoint{Left(), Top()},
            Rect(0, 0, Width(), Height()), 0, true);
  DeviceContext pictureDC(picture);
  BitBlt(Canvas().Handle(), 0, 0, Width(), Height(), &pictureDC, 0, 0, SRCCOPY);
}

void TsCustomLabel::Paint() {
  PrepareFont();
  PaintSection();
  TCanvas& canvas = Canvas();
  TRect r = ClientRect();
  if (!Transparent()) {
    canvas.Brush.SetColor(Color());
    canvas.Brush.SetStyle(bsSolid);
    canvas.FillRect(r);
  }
  canvas.Brush.SetStyle(bsClear);
  if (Layout() != tlTop) {
    TRect measure = r;
    DoDrawText(measure, DrawTextFormat() | DT_CALCRECT);
    const int dy = r.Height() - measure.Height();
    r.Top += Layout() == tlCenter ? dy / 2 : dy;
  }
  DoDrawText(r, DrawTextFormat());
}

std::string TsCustomLabel::MeasuredText(unsigned flags) const {
  // Measured, an empty caption, or a lone "&" that only marks an
  // accelerator, takes the room of a space.
  if ((flags & DT_CALCRECT) && (Caption().empty() || (ShowAccelChar() && Caption() == "&"))) return " ";
  return Caption();
}

void TsCustomLabel::DoDrawText(TRect& rect, unsigned flags) {
  TCanvas& canvas = Canvas();
  canvas.Font.Assign(Font());
  const std::string text = MeasuredText(flags);
  if (!Enabled() && !(flags & DT_CALCRECT)) {
    // Without a skin the framework's grey; with one the text fades into
    // what lies behind it.
    canvas.Font.SetColor(ActiveSkin() == nullptr ? clGrayText
                                                 : DisabledLabelTextColor(Font().Color(), ParentBackgroundColor()));
  }
  canvas.DrawText(text, rect, flags);
}

// ---- size and messages --------------------------------------------------------

void TsCustomLabel::AdjustBounds() {
  if (!AutoSize() || IsLoading()) return;
  // Outside a paint the canvas has no surface: measure on a scratch one.
  TBitmap scratch(1, 1);
  const HDC previous = Canvas().Handle();
  Canvas().SetHandle(scratch.Canvas().Handle());
  TRect r = Rect(0, 0, WordWrap() ? Width() : 0, 0);
  DoDrawText(r, DrawTextFormat() | DT_CALCRECT);
  Canvas().SetHandle(previous);
  TSize size{r.Width(), r.Height()};
  int left = Left();
  if (Alignment() == taRightJustify) left = Left() + Width() - size.cx;
  if (Alignment() == taCenter) left = Left() + (Width() - size.cx) / 2;
  if (WordWrap()) size.cx = Width();
  SetBounds(left, Top(), size.cx, size.cy);
}

void TsCustomLabel::Loaded() {
  TLabel::Loaded();
  AdjustBounds();
}

void TsCustomLabel::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_FONTCHANGED:
      // A colour the skin gave while painting changes nothing else.
      if (labelPainting_ || IsDestroying()) return;
      AdjustBounds();
      Invalidate();
      return;
    case CM_TEXTCHANGED:
      // The plain label's own measuring knows nothing of shadows.
      TGraphicControl::WndProc(message);
      AdjustBounds();
      return;
    default:
      break;
  }
  TLabel::WndProc(message);
  if (message.Msg != SM_SKINCOMMAND) return;
  const WORD command = SkinCommandOf(message.WParam);
  const bool fromDefault = reinterpret_cast<TsSkinManager*>(message.LParam) == TsSkinManager::DefaultManager();
  if (command == SKC_SKIN_REMOVED && !IsDestroying() && fromDefault) {
    if (Font().Color() != clWindowText) Font().SetColor(clWindowText);
  } else if (command == SKC_SKIN_CHANGED && HasState(csDesigning)) {
    Invalidate();
  }
}
