#include "controls/TsSpeedButton.h"

#include <algorithm>

#include "controls/TsButtonCaption.h"
#include "controls/TsButtonGeometry.h"
#include "controls/TsGlyphPainter.h"
#include "framework/TApplication.h"
#include "framework/TClassInfo.h"
#include "framework/TWinControl.h"
#include "paint/BorderMaskPainter.h"
#include "paint/DisabledLook.h"
#include "paint/SkinMessages.h"
#include "platform/graphics/BlockTransfer.h"
#include "platform/graphics/Fills.h"
#include "platform/graphics/TextDrawing.h"
#include "skin/CacheToScreen.h"
#include "skin/ControlSkinPainting.h"
#include "skin/SharedBackground.h"
#include "skin/TacAnimatEvents.h"
#include "skin/TsBackgroundRequest.h"
#include "skin/TsCommonData.h"
#include "skin/TsSkinManager.h"

namespace {

// The speed buttons keep the plain bitmap button's placement defaults.
constexpr int kMargin = -1;
constexpr int kSpacing = 4;

}  // namespace

const TClassInfo& TsSpeedButton::StaticClassInfo() {
  static const TClassInfo info("TsSpeedButton", &TSpeedButton::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<TsSpeedButton>());
    TPropertyBuilder<TsSpeedButton> b(c);
    PublishSkinnedButton(b);
    PublishGlyphButton(b);
    b.Enumeration("ButtonStyle", {"tbsButton", "tbsCheck", "tbsDropDown", "tbsSeparator", "tbsDivider"},
                  &TsSpeedButton::ButtonStyle, &TsSpeedButton::SetButtonStyle);
  });
  return info;
}

TsSpeedButton::TsSpeedButton(TComponent* owner)
    : TSpeedButton(owner),
      TsButtonSkinSettings(static_cast<TControl&>(*this), kControlKind),
      TsGlyphButtonSettings(static_cast<TControl&>(*this)) {
  // A new glyph is a new picture; the plain button's own notice repaints.
  auto previous = Glyph().OnChange;
  Glyph().OnChange = [this, previous](TObject* sender) {
    SkinData().BackgroundChanged = true;
    if (previous) previous(sender);
  };
  SkinData().Loaded();
}

TsSpeedButton::~TsSpeedButton() { anim_.reset(); }

void TsSpeedButton::Loaded() {
  TSpeedButton::Loaded();
  SkinData().Loaded();
}

bool TsSpeedButton::Opaque() const { return SkinData().Skinned(); }

int TsSpeedButton::StateIndex() const {
  if (Down() || Pressed()) return 2;
  return SkinData().ControlIsActive() ? 1 : 0;
}

TSize TsSpeedButton::GlyphSize() {
  if (Glyph().Empty()) return {};
  return {Glyph().Width() / std::max(1, NumGlyphs()), Glyph().Height()};
}

TRect TsSpeedButton::CaptionRect(int state) {
  const int arrow = ArrowWidth();
  const TSize glyph = GlyphSize();
  int box = 0;
  if (ShowCaption() && !Caption().empty()) {
    box = Width() - arrow - 2 * kMargin;
    if (glyph.cx > 0) box -= glyph.cx + kSpacing;
  }
  const unsigned format = DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS;
  const TSize text = MeasureButtonCaption(SkinData().PrepareCache(), Font(), Caption(), box, format);
  if (glyph.cx <= 0) return SpeedButtonCaptionRect({Width(), Height()}, text, arrow, kMargin, TextOffset(), state == 2);
  TsGlyphLayoutInput in;
  in.Button = {Width() - arrow, Height()};
  in.Glyph = glyph;
  in.Text = text;
  in.Alignment = Alignment();
  in.Margin = kMargin;
  in.Spacing = kSpacing;
  in.Pressed = state == 2;
  return BitBtnCaptionRect(in).Offset(TextOffset(), 0);
}

void TsSpeedButton::PaintContent(TBitmap& cache, int state) {
  const TSize glyph = GlyphSize();
  if (glyph.cx > 0) {
    TsGlyphLayoutInput in;
    in.Button = {Width() - ArrowWidth(), Height()};
    in.Glyph = glyph;
    in.Alignment = Alignment();
    in.Margin = kMargin;
    in.Spacing = kSpacing;
    in.Pressed = state == 2;
    if (ShowCaption() && !Caption().empty()) in.Text = {CaptionRect(0).Width(), CaptionRect(0).Height()};
    const TRect g = BitBtnGlyphRect(in);
    TsGlyphLook look;
    look.Cells = std::max(1, NumGlyphs());
    look.Enabled = Enabled();
    look.State = state;
    look.Down = Down();
    look.Blend = Blend();
    look.DisabledKind = DisabledGlyphKind();
    DrawGlyph(cache.Pixels(), Glyph().Pixels(), Point(g.Left, g.Top), look);
  }
  if (!ShowCaption()) return;
  const unsigned align = TextAlignment() == taLeftJustify ? DT_LEFT : TextAlignment() == taRightJustify ? DT_RIGHT
                                                                                                          : DT_CENTER;
  DrawButtonCaption(cache, Font(), Caption(), CaptionRect(state), align | DT_WORDBREAK | DT_EXPANDTABS, Enabled(),
                    state != 0, SkinData());
}

void TsSpeedButton::PrepareCache() {
  TsCommonData& skinData = SkinData();
  const TsSkinContent* skin = skinData.Skin();
  if (!skin) return;
  TsBackgroundRequest background;
  AskForBackground(background, Parent(), false);
  if (background.BgKind == bgBitmap && background.BgBmp && background.BgBmp->width() == 0) return;
  const TCacheInfo ci = CacheInfoFromRequest(background);
  TBitmap& cache = skinData.PrepareCache();
  cache.Canvas().Font.Assign(Font());
  const int width = cache.Width(), height = cache.Height();
  if (width <= 0 || height <= 0) return;
  const TPoint position = Point(Left(), Top());
  const int state = StateIndex();
  if (buttonStyle_ == tbsSeparator || buttonStyle_ == tbsDivider) {
    HDC dc = cache.Canvas().Handle();
    if (ci.Ready && ci.Bmp) {
      DeviceContext parent(*ci.Bmp);
      BitBlt(dc, 0, 0, width, height, &parent, ci.X + Left(), ci.Y + Top(), SRCCOPY);
    } else {
      FillRect(dc, Rect(0, 0, width, height), ci.FillColor);
    }
    if (buttonStyle_ == tbsDivider) {
      const int divider = skin->GetSkinIndex("DIVIDER");
      const int mask = skin->IsValidSkinIndex(divider) ? skin->GetMaskIndex(divider, "DIVIDER", "BORDERSMASK") : -1;
      if (skin->IsValidImgIndex(mask)) {
        const TsMaskData& m = skin->Masks[static_cast<std::size_t>(mask)];
        const int piece = m.R.Width() / std::max<int>(1, m.ImageCount);
        const int left = (width - piece) / 2;
        PaintBorderMask(cache.Pixels(), Rect(left, 0, left + piece, height), true, false, 0, m,
                        MakeCacheInfo(&cache.Pixels(), 0, 0), skin->MasterBitmap.get());
      }
    }
  } else {
    const int arrow = ArrowWidth();
    PaintSkinItem(skinData, ci, true, true, &cache.Pixels(), position, Rect(0, 0, width - arrow, height), state);
    UpdateCorners(skinData, state);
    PaintContent(cache, state);
    if (arrow > 0) {
      const int arrowState = Down() || Pressed() ? 2 : skinData.ControlIsActive() ? 1 : 0;
      PaintSkinItem(skinData, ci, true, true, &cache.Pixels(), position, Rect(width - arrow, 0, width, height),
                    arrowState);
    }
  }
  if (!Enabled()) {
    int flags = 0;
    if (DisabledKind() & dkGrayed) flags |= dlGray;
    if (DisabledKind() & dkBlended) flags |= dlBlendWithParent;
    PaintDisabledLook(cache.Pixels(), flags, position, ci, ::ParentColor(Parent()));
  }
  cachedDown_ = Down();
  cachedGlyphs_ = NumGlyphs();
  skinData.BackgroundChanged = false;
}

void TsSpeedButton::Paint() {
  TsCommonData& skinData = SkinData();
  if (!skinData.Skinned()) {
    TSpeedButton::Paint();
    return;
  }
  if (Width() <= 0 || Height() <= 0) return;
  HDC dc = Canvas().Handle();
  if (anim_ && anim_->Frame.Width() == Width()) {
    BitBlt(dc, 0, 0, anim_->Frame.Width(), anim_->Frame.Height(), anim_->Frame.Canvas().Handle(), 0, 0, SRCCOPY);
    return;
  }
  if (cachedDown_ != Down() || cachedGlyphs_ != NumGlyphs()) skinData.BackgroundChanged = true;
  TBitmap* cache = skinData.CacheBmp();
  if (skinData.BackgroundChanged || !cache || cache->Width() != Width() || cache->Height() != Height()) PrepareCache();
  cache = skinData.CacheBmp();
  if (!cache) return;
  UpdateCorners(skinData, 0);
  BitBlt(dc, 0, 0, cache->Width(), cache->Height(), cache->Canvas().Handle(), 0, 0, SRCCOPY);
}

void TsSpeedButton::Animate(TacAnimatEvent event, bool halve) {
  TsCommonData& skinData = SkinData();
  if (!skinData.Skinned()) return;
  const bool allowed = AnimatEventAllowed(event, AnimatEvents(), skinData.SkinManager());
  const TsGeneralData* section = skinData.Section();
  if (allowed && !TsSkinManager::SkinChanging() && section && section->FadingEnabled && skinData.CacheBmp() &&
      !skinData.BackgroundChanged) {
    StartAnimation(anim_, skinData, halve, [this] { PrepareCache(); });
    if (anim_) return;
  }
  anim_.reset();
  skinData.BackgroundChanged = true;
  Repaint();
}

void TsSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  const bool skinned = SkinData().Skinned() && button == mbLeft && Enabled();
  if (skinned && Application && !hintsSwitchedOff_) {
    hintsWereOn_ = Application->ShowHint;
    Application->ShowHint = false;
    Application->CancelHint();
    hintsSwitchedOff_ = true;
  }
  TSpeedButton::MouseDown(button, shift, x, y);
  if (skinned) Animate(aeMouseDown, true);
}

void TsSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (hintsSwitchedOff_ && Application) Application->ShowHint = hintsWereOn_;
  hintsSwitchedOff_ = false;
  if (button == mbLeft && SkinData().Skinned()) {
    // The release shows the raised picture at once.
    anim_.reset();
    SkinData().BackgroundChanged = true;
  }
  TSpeedButton::MouseUp(button, shift, x, y);
}

bool TsSpeedButton::HandleSkinCommand(TMessage& message) {
  TsCommonData& skinData = SkinData();
  switch (SkinCommandOf(message.WParam)) {
    case SKC_SKIN_LOADED:
    case SKC_SKIN_REMOVED:
    case SKC_SKIN_CHANGED:
      anim_.reset();
      skinData.ProcessMessage(message);
      if (message.LParam == reinterpret_cast<LPARAM>(skinData.SkinManager())) {
        skinData.Updating = false;
        skinData.BackgroundChanged = true;
        Invalidate();
      }
      return true;
    case SKC_FADE_DONE:
      anim_.reset();
      Repaint();
      return true;
    case SKC_QUERY_SKINNED:
      message.Result = 1;
      return true;
    case SKC_GET_APPLICATION:
      message.Result = reinterpret_cast<LRESULT>(Application);
      return true;
    default:
      return skinData.ProcessMessage(message);
  }
}

void TsSpeedButton::WndProc(TMessage& message) {
  if (message.Msg == SM_ALPHACMD && HandleSkinCommand(message)) return;
  TsCommonData& skinData = SkinData();
  const bool skinned = skinData.Skinned() && Parent() && !IsLoading() && !IsDestroying();
  if (skinned && Enabled() && !HasState(csDesigning) && message.LParam == 0 &&
      (message.Msg == CM_MOUSEENTER || message.Msg == CM_MOUSELEAVE)) {
    const bool entering = message.Msg == CM_MOUSEENTER;
    if (entering && skinData.MouseAbove) return;
    skinData.ProcessMessage(message);
    TSpeedButton::WndProc(message);
    skinData.BackgroundChanged = false;
    Animate(entering ? aeMouseEnter : aeMouseLeave, false);
    return;
  }
  if (skinned && skinData.ProcessMessage(message)) return;
  TSpeedButton::WndProc(message);
}
