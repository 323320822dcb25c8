#include "controls/buttons/TsSpeedButton.h"

#include <algorithm>

#include "controls/buttons/TsButtonCaption.h"
#include "controls/buttons/TsButtonGeometry.h"
#include "controls/buttons/TsSpeedButtonPlainPainter.h"
#include "framework/TApplication.h"
#include "framework/TWinControl.h"
#include "framework/streaming/TClassInfo.h"
#include "paint/BorderMaskPainter.h"
#include "paint/MaskImagePainter.h"
#include "paint/primitives/DisabledLook.h"
#include "platform/graphics/BlockTransfer.h"
#include "platform/graphics/Fills.h"
#include "platform/graphics/TextDrawing.h"
#include "platform/windowing/WinUser.h"
#include "skin/CacheToScreen.h"
#include "skin/ControlSkinPainting.h"
#include "skin/SharedBackground.h"
#include "skin/SkinCommandMessage.h"
#include "skin/SkinCommands.h"
#include "skin/TacAnimatEvents.h"
#include "skin/TsBackgroundRequest.h"
#include "skin/TsCommonData.h"
#include "skin/TsSkinManager.h"

namespace {

unsigned CaptionAlignment(TAlignment alignment) {
  return alignment == taLeftJustify ? DT_LEFT : alignment == taRightJustify ? DT_RIGHT : DT_CENTER;
}

// The arrow without an arrow picture in the skin: a small triangle pointing
// down, centred in the strip.
void PaintPlainArrow(Bitmap& cache, const TRect& strip, TColor color) {
  const int cx = (strip.Left + strip.Right) / 2, top = (strip.Top + strip.Bottom) / 2 - 2;
  for (int row = 0; row < 4; ++row)
    for (int x = cx - 3 + row; x <= cx + 3 - row; ++x)
      if (x >= 0 && x < cache.width() && top + row >= 0 && top + row < cache.height()) cache.setPixel(x, top + row, color);
}

}  // namespace

const TClassInfo& TsSpeedButton::StaticClassInfo() {
  static const TClassInfo info("TsSpeedButton", &TSpeedButton::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<TsSpeedButton>());
    TPropertyBuilder<TsSpeedButton> b(c);
    PublishSkinnedButton(b);
    PublishGlyphButton(b);
    b.Enumeration("ButtonStyle", {"tbsButton", "tbsCheck", "tbsDropDown", "tbsSeparator", "tbsDivider"},
                  &TsSpeedButton::ButtonStyle, &TsSpeedButton::SetButtonStyle);
    b.Enumeration("Layout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}, &TsSpeedButton::Layout,
                  &TsSpeedButton::SetLayout);
    b.Integer("Margin", &TsSpeedButton::Margin, &TsSpeedButton::SetMargin);
    b.Integer("Spacing", &TsSpeedButton::Spacing, &TsSpeedButton::SetSpacing);
    b.template Component<TPopupMenu>("DropdownMenu", &TsSpeedButton::DropdownMenu, &TsSpeedButton::SetDropdownMenu);
    b.Event("OnPaint", &TsSpeedButton::OnPaint);
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
    SkinData().MarkCacheStale();
    if (previous) previous(sender);
  };
  SkinData().Loaded();
}

TsSpeedButton::~TsSpeedButton() {
  *alive_ = false;
  anim_.reset();
  SetDropdownMenu(nullptr);
}

void TsSpeedButton::Loaded() {
  TSpeedButton::Loaded();
  SkinData().Loaded();
}

bool TsSpeedButton::Opaque() const { return SkinData().Skinned(); }

void TsSpeedButton::SetDropdownMenu(TPopupMenu* menu) {
  if (menu == dropdownMenu_) return;
  if (dropdownMenu_) dropdownMenu_->RemoveFreeNotification(this);
  dropdownMenu_ = menu;
  if (menu) menu->FreeNotification(this);
}

void TsSpeedButton::Notification(TComponent* component, TOperation operation) {
  TSpeedButton::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == dropdownMenu_) dropdownMenu_ = nullptr;
  ForgetImages(component);
}

int TsSpeedButton::StateIndex() const {
  // Without its own click the whole button opens the menu, so it shows
  // pressed while the menu is open.
  if (Down() || Pressed() || (menuShown_ && !OnClick)) return 2;
  return SkinData().ControlIsActive() ? 1 : 0;
}

int TsSpeedButton::ArrowStateIndex() const {
  if (menuShown_ || Down() || Pressed()) return 2;
  return SkinData().ControlIsActive() ? 1 : 0;
}

TSize TsSpeedButton::GlyphSize() { return ShownGlyphSize(Glyph(), NumGlyphs()); }

TsGlyphLayoutInput TsSpeedButton::LayoutInput(int state) {
  const int arrow = ArrowWidth();
  TsGlyphLayoutInput in;
  in.Button = {Width() - arrow, Height()};
  in.Glyph = GlyphSize();
  in.Layout = layout_;
  in.Alignment = Alignment();
  in.Margin = margin_;
  in.Spacing = spacing_;
  in.Pressed = state == 2;
  int box = 0;
  if (ShowCaption() && !Caption().empty()) {
    box = Width() - arrow - 2 * margin_;
    if (in.Glyph.cx > 0) box -= in.Glyph.cx + spacing_;
  }
  // Word-wrapped with tabs expanded, never on a single line.
  in.Text = MeasureButtonCaption(SkinData().PrepareCache(), Font(), Caption(), box, DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS);
  return in;
}

TRect TsSpeedButton::CaptionRect(int state) {
  const TsGlyphLayoutInput in = LayoutInput(state);
  if (in.Glyph.cx <= 0)
    return SpeedButtonCaptionRect({Width(), Height()}, in.Text, ArrowWidth(), margin_, TextOffset(), in.Pressed);
  return BitBtnCaptionRect(in).Offset(TextOffset(), 0);
}

TRect TsSpeedButton::GlyphRect(int state) { return BitBtnGlyphRect(LayoutInput(state)); }

void TsSpeedButton::PaintContent(TBitmap& cache, int state) {
  if (GlyphSize().cx > 0) {
    const TRect g = GlyphRect(state);
    DrawShownGlyph(cache.Pixels(), Glyph(), NumGlyphs(), Point(g.Left, g.Top), LooksEnabled(), state, Down());
  }
  if (!ShowCaption()) return;
  DrawButtonCaption(cache, Font(), Caption(), CaptionRect(state),
                    CaptionAlignment(TextAlignment()) | DT_WORDBREAK | DT_EXPANDTABS, LooksEnabled(), state != 0,
                    SkinData());
}

void TsSpeedButton::PaintArrow(TBitmap& cache, const TCacheInfo& ci, int state) {
  TsCommonData& skinData = SkinData();
  const TsSkinContent* skin = skinData.Skin();
  const int width = cache.Width(), height = cache.Height();
  const TRect strip = Rect(width - kArrowWidth, 0, width, height);
  PaintSkinItem(skinData, ci, true, true, &cache.Pixels(), Point(Left(), Top()), strip, state);
  const int glyph = skin->ConstData.ComboGlyph;
  if (skin->IsValidImgIndex(glyph)) {
    const TsMaskData& m = skin->Masks[static_cast<std::size_t>(glyph)];
    const int w = m.R.Width() / std::max<int>(1, m.ImageCount), h = m.R.Height() / (m.MaskType + 1);
    const TPoint at = Point(strip.Left + (kArrowWidth - w) / 2, (height - h) / 2);
    DrawMaskImage(cache.Pixels(), at, state, MakeCacheInfo(&cache.Pixels(), 0, 0), m, 1, skin->MasterBitmap.get());
    return;
  }
  const TsGeneralData* section = skinData.Section();
  const std::int32_t color = section ? (state != 0 ? section->HotFontColor[0] : section->FontColor[0]) : 0;
  PaintPlainArrow(cache.Pixels(), strip, color >= 0 ? static_cast<TColor>(color) : clBlack);
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
    const TRect face = Rect(0, 0, width - ArrowWidth(), height);
    if (DrawOverBorder()) {
      PaintSkinItem(skinData, ci, true, true, &cache.Pixels(), position, face, state);
      UpdateCorners(skinData, state);
      PaintContent(cache, state);
    } else {
      // The border pieces go over glyph and caption.
      PaintSkinItemBackground(skinData, ci, &cache.Pixels(), position, face, state);
      PaintContent(cache, state);
      PaintSkinItemBorder(skinData, ci, true, true, &cache.Pixels(), position, face, state);
      UpdateCorners(skinData, state);
    }
    if (ArrowWidth() > 0) PaintArrow(cache, ci, ArrowStateIndex());
  }
  const bool enabled = LooksEnabled();
  if (!enabled) {
    int flags = 0;
    if (DisabledKind() & dkGrayed) flags |= dlGray;
    if (DisabledKind() & dkBlended) flags |= dlBlendWithParent;
    PaintDisabledLook(cache.Pixels(), flags, position, ci, ::ParentColor(Parent()));
  }
  if (OnPaint) OnPaint(this, cache);
  cachedDown_ = Down();
  cachedEnabled_ = enabled;
  cachedGlyphs_ = NumGlyphs();
  cachedSpacing_ = spacing_;
  skinData.CacheRebuilt();
}

void TsSpeedButton::Paint() {
  TsCommonData& skinData = SkinData();
  if (!skinData.Skinned()) {
    // The plain button draws only its Glyph bitmap; a list picture needs its own painting.
    const Bitmap* list = Glyph().Empty() ? ListGlyph() : nullptr;
    if (list) TsSpeedButtonPlainPainter(*this, Canvas()).Paint(*list);
    else TSpeedButton::Paint();
    return;
  }
  if (Width() <= 0 || Height() <= 0) return;
  HDC dc = Canvas().Handle();
  if (anim_ && anim_->Frame.Width() == Width()) {
    BitBlt(dc, 0, 0, anim_->Frame.Width(), anim_->Frame.Height(), anim_->Frame.Canvas().Handle(), 0, 0, SRCCOPY);
    return;
  }
  if (cachedDown_ != Down() || cachedEnabled_ != LooksEnabled() || cachedGlyphs_ != NumGlyphs() ||
      cachedSpacing_ != spacing_)
    skinData.MarkCacheStale();
  TBitmap* cache = skinData.CacheBmp();
  if (skinData.BackgroundChanged() || !cache || cache->Width() != Width() || cache->Height() != Height()) PrepareCache();
  cache = skinData.CacheBmp();
  if (!cache) return;
  CopyCacheToScreen(*this, skinData, Point(0, 0), dc, Rect(0, 0, cache->Width(), cache->Height()), Point(0, 0), true);
}

void TsSpeedButton::Animate(TacAnimatEvent event, bool halve) {
  TsCommonData& skinData = SkinData();
  if (!skinData.Skinned()) return;
  const bool allowed = AnimatEventAllowed(event, AnimatEvents(), skinData.SkinManager());
  const TsGeneralData* section = skinData.Section();
  if (allowed && !TsSkinManager::SkinChanging() && section && section->FadingEnabled && skinData.CacheCanStartFade()) {
    StartAnimation(anim_, skinData, halve, [this] { PrepareCache(); });
    if (anim_) return;
  }
  anim_.reset();
  skinData.MarkCacheStale();
  Repaint();
}

bool TsSpeedButton::InArrowStrip(int x) const { return buttonStyle_ == tbsDropDown && x >= Width() - kArrowWidth; }

void TsSpeedButton::Repaint() {
  TWinControl* parent = Parent();
  const bool link = Visible() && parent && parent->HandleAllocated();
  if (link) SendSkinCommand(parent, SKC_SET_LINKED, reinterpret_cast<LPARAM>(this));
  TSpeedButton::Repaint();
  if (link) SendSkinCommand(parent, SKC_SET_LINKED, 0);
}

void TsSpeedButton::ShowDropdownMenu() {
  menuShown_ = true;
  SkinData().MarkCacheStale();
  Repaint();
  const TPoint at = ClientToScreen(Point(0, Height() + 1));
  std::shared_ptr<bool> alive = alive_;
  dropdownMenu_->Popup(at.X, at.Y, Parent() && Parent()->HandleAllocated() ? Parent()->Handle() : nullptr);
  if (!*alive) return;
  menuShown_ = false;
  // The release went to the menu: this press is no click.
  SetControlState(csClicked, false);
  SetControlState(csLButtonDown, false);
  if (hintsSwitchedOff_ && Application) Application->ShowHint = hintsWereOn_;
  hintsSwitchedOff_ = false;
  SkinData().MarkCacheStale();
  // The menu took the mouse; unless it is back over the button, the button
  // is left.
  POINT cursor{};
  GetCursorPos(&cursor);
  const TPoint inside = ScreenToClient(Point(cursor.X, cursor.Y));
  if (inside.X < 0 || inside.Y < 0 || inside.X >= Width() || inside.Y >= Height()) Perform(CM_MOUSELEAVE, 0, 0);
  Repaint();
}

void TsSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  const bool left = button == mbLeft && LooksEnabled();
  const bool skinned = SkinData().Skinned() && left;
  if (left && Application && !hintsSwitchedOff_) {
    hintsWereOn_ = Application->ShowHint;
    Application->ShowHint = false;
    Application->CancelHint();
    hintsSwitchedOff_ = true;
  }
  if (left && buttonStyle_ == tbsDropDown && dropdownMenu_ && (InArrowStrip(x) || !OnClick)) {
    // The menu opens instead of a press: no click follows.
    anim_.reset();
    ShowDropdownMenu();
    return;
  }
  TSpeedButton::MouseDown(button, shift, x, y);
  if (skinned) Animate(aeMouseDown, true);
}

void TsSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (hintsSwitchedOff_ && Application) Application->ShowHint = hintsWereOn_;
  hintsSwitchedOff_ = false;
  const bool release = button == mbLeft && Pressed() && SkinData().Skinned();
  // A release while the press still animates cuts it short: the raised
  // picture at once.
  const bool cutShort = release && anim_;
  if (cutShort) {
    anim_.reset();
    SkinData().MarkCacheStale();
  }
  const std::shared_ptr<bool> alive = alive_;
  TSpeedButton::MouseUp(button, shift, x, y);  // raised, then the click
  if (!*alive || !release || cutShort) return;
  // Otherwise the release fades from the pressed picture shown until now.
  SkinData().AllowFadeFromCache();
  Animate(aeMouseUp, true);
}

bool TsSpeedButton::HandleSkinCommand(TMessage& message) {
  TsCommonData& skinData = SkinData();
  switch (SkinCommandOf(message.WParam)) {
    case SKC_SKIN_LOADED:
    case SKC_SKIN_REMOVED:
    case SKC_SKIN_CHANGED:
      // The animation stops, the common handler follows the skin, then the
      // button shows its new look at once.
      anim_.reset();
      skinData.ProcessMessage(message);
      if (skinData.FromOwnManager(message)) {
        skinData.ResumePainting();
        skinData.MarkCacheStale();
        Invalidate();
      }
      return true;
    case SKC_FADE_DONE:
      anim_.reset();
      Repaint();
      return true;
    default:
      return skinData.ProcessMessage(message);
  }
}

void TsSpeedButton::PointerCrossed(TMessage& message) {
  TsCommonData& skinData = SkinData();
  const bool entering = message.Msg == CM_MOUSEENTER;
  // Common handler first (the mouse-above mark), then the plain button's
  // events, then the animation, unless an event handler freed the button.
  skinData.ProcessMessage(message);
  const std::shared_ptr<bool> alive = alive_;
  TSpeedButton::WndProc(message);
  if (!*alive) return;
  // The picture shown until now is where the animation starts.
  skinData.AllowFadeFromCache();
  Animate(entering ? aeMouseEnter : aeMouseLeave, false);
}

void TsSpeedButton::WndProc(TMessage& message) {
  if (RouteSkinCommand(message, [this](TMessage& command) { return HandleSkinCommand(command); })) return;
  TsCommonData& skinData = SkinData();
  const bool skinned = skinData.Skinned() && Parent() && !IsLoading() && !IsDestroying();
  // The button's own crossing (lParam 0), not a child's reported to it.
  if (skinned && LooksEnabled() && !HasState(csDesigning) && message.LParam == 0 &&
      (message.Msg == CM_MOUSEENTER || message.Msg == CM_MOUSELEAVE)) {
    if (message.Msg == CM_MOUSEENTER && skinData.MouseAbove()) return;
    PointerCrossed(message);
    return;
  }
  if (skinned && skinData.ProcessMessage(message)) return;
  TSpeedButton::WndProc(message);
}
