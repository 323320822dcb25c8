#include "controls/buttons/TsWindowedButtonSkin.h"

#include <algorithm>

#include "framework/TApplication.h"
#include "framework/TCustomForm.h"
#include "paint/BorderMaskPainter.h"
#include "paint/primitives/DisabledLook.h"
#include "skin/SkinCommandMessage.h"
#include "platform/controls/ControlMessages.h"
#include "platform/graphics/BlockTransfer.h"
#include "platform/windowing/WinMessages.h"
#include "platform/windowing/WinUser.h"
#include "skin/ControlSkinPainting.h"
#include "skin/SharedBackground.h"
#include "skin/SkinCommands.h"
#include "skin/TacAnimatEvents.h"
#include "skin/TsBackgroundRequest.h"
#include "skin/TsCommonData.h"
#include "skin/TsSkinManager.h"

namespace {

constexpr UINT kMessage001D = 0x001D;

bool Designing(const TControl& control) { return control.HasState(csDesigning); }

}  // namespace

void DrawDottedFocusFrame(Bitmap& bmp, const TRect& r) {
  auto put = [&bmp](int x, int y, TColor color) {
    if (x >= 0 && y >= 0 && x < bmp.width() && y < bmp.height()) bmp.setPixel(x, y, color);
  };
  for (int i = 0; i <= r.Width() / 3; ++i) {
    const int x = r.Left + 3 * i;
    put(x, r.Top, clBlack);
    put(x, r.Bottom, clBlack);
    put(x - 1, r.Top - 1, clWhite);
    put(x - 1, r.Bottom - 1, clWhite);
  }
  for (int j = 0; j <= r.Height() / 3; ++j) {
    const int y = r.Top + 3 * j;
    put(r.Left, y, clBlack);
    put(r.Right, y, clBlack);
    put(r.Left - 1, y - 1, clWhite);
    put(r.Right - 1, y - 1, clWhite);
  }
}

TsWindowedButtonSkin::TsWindowedButtonSkin(TButton& button, TsButtonSkinSettings& settings)
    : TsWindowedButtonSettings(static_cast<TControl&>(button)), button_(button), settings_(settings) {}

TsWindowedButtonSkin::~TsWindowedButtonSkin() {
  *alive_ = false;
  // The timer points at the skin state, which goes after this object.
  StopFade(fade_);
}

bool TsWindowedButtonSkin::LooksEnabled() const {
  for (const TControl* c = &button_; c; c = c->Parent())
    if (!c->Enabled()) return false;
  return true;
}

bool TsWindowedButtonSkin::IsSkinned() const { return settings_.SkinData().Skinned(); }

void TsWindowedButtonSkin::SetDown(bool down) {
  if (down == Down()) return;
  TsWindowedButtonSettings::SetDown(down);
  regionRebuild_ = true;
}

int TsWindowedButtonSkin::StateIndex() const {
  if (Down()) return 2;
  const TsCommonData& skinData = settings_.SkinData();
  TButton& button = button_;
  bool pushed = ForcedPressed;
  DWORD type = 0;
  if (button.HandleAllocated()) {
    pushed = pushed || (SendMessage(button.Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    type = static_cast<DWORD>(GetWindowLongPtr(button.Handle(), GWL_STYLE)) & BS_TYPEMASK;
  }
  // A press dragged off the button shows it raised until the mouse returns.
  if (pushed && (skinData.MouseAbove || !mousePressed_)) return 2;
  if (type == BS_DEFPUSHBUTTON || skinData.ControlIsActive() || (Designing(button) && button.Default())) return 1;
  return 0;
}

void TsWindowedButtonSkin::AdjustCreateParams(TCreateParams& params) const {
  if (IsSkinned() && !Designing(button_)) params.Style = (params.Style & ~BS_TYPEMASK) | BS_OWNERDRAW;
}

void TsWindowedButtonSkin::SetOwnerDrawn(bool ownerDrawn) {
  if (!button_.HandleAllocated()) return;
  const HWND window = button_.Handle();
  const DWORD type = ownerDrawn ? BS_OWNERDRAW : button_.Default() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  const auto style = static_cast<DWORD>(GetWindowLongPtr(window, GWL_STYLE));
  SetWindowLongPtr(window, GWL_STYLE, static_cast<LONG_PTR>((style & ~BS_TYPEMASK) | type));
}

void TsWindowedButtonSkin::DropRegion() {
  region_.reset();
  if (regionApplied_ && button_.HandleAllocated()) SetWindowRgn(button_.Handle(), nullptr, TRUE);
  regionApplied_ = false;
}

void TsWindowedButtonSkin::PrepareCache() {
  TsCommonData& skinData = settings_.SkinData();
  const TsSkinContent* skin = skinData.Skin();
  if (!skin) return;
  TsBackgroundRequest background;
  AskForBackground(background, button_.Parent(), false);
  const TCacheInfo ci = CacheInfoFromRequest(background);
  TBitmap& cache = skinData.PrepareCache();
  const int width = cache.Width(), height = cache.Height();
  if (width <= 0 || height <= 0) return;
  const int state = StateIndex();
  const TPoint position = Point(button_.Left(), button_.Top());
  const TRect whole = Rect(0, 0, width, height);
  PaintSkinItemBackground(skinData, ci, &cache.Pixels(), position, whole, state);
  if (PaintUnderBorder) PaintUnderBorder(cache, state);
  PaintSkinItemBorder(skinData, ci, true, true, &cache.Pixels(), position, whole, state);
  if (regionRebuild_ && skin->IsValidImgIndex(skinData.BorderIndex)) {
    // The key-coloured corner pixels leave the window, so the parent shows
    // through them wherever it is repainted. The border itself is already in
    // the cache: painting its translucent pixels twice would darken them.
    region_ = CreateRectRgn(0, 0, width, height);
    Bitmap scratch(width, height, PixelFormat::Bgr24);
    PaintBorderMaskWithRegion(scratch, &*region_, state, skin->Masks[static_cast<std::size_t>(skinData.BorderIndex)],
                              skin->MasterBitmap.get());
  }
  if (PaintContent) PaintContent(cache, state);
  const TsGeneralData* section = skinData.Section();
  const bool enabled = LooksEnabled();
  if (FocusRect && section && section->ShowFocus && enabled && button_.Focused() &&
      !button_.Caption().empty()) {
    TRect r = FocusRect(state);
    if (!r.IsEmpty()) {
      const int margin = FocusMargin();
      DrawDottedFocusFrame(cache.Pixels(), Rect(r.Left - margin, r.Top - margin, r.Right + margin, r.Bottom + margin));
    }
  }
  cachedEnabled_ = enabled;
  if (!enabled) {
    int flags = 0;
    if (settings_.DisabledKind() & dkGrayed) flags |= dlGray;
    if (settings_.DisabledKind() & dkBlended) flags |= dlBlendWithParent;
    PaintDisabledLook(cache.Pixels(), flags, position, ci, ParentColor(button_.Parent()));
  }
  if (Painted) Painted(cache);
  skinData.BackgroundChanged = false;
}

void TsWindowedButtonSkin::ApplyRegion() {
  if (!region_ || Designing(button_) || !button_.HandleAllocated()) return;
  SetWindowRgn(button_.Handle(), &*region_, regionApplied_ ? FALSE : TRUE);
  regionApplied_ = true;
  region_.reset();
}

void TsWindowedButtonSkin::Paint(HDC given) {
  TsCommonData& skinData = settings_.SkinData();
  const HWND window = button_.Handle();
  PAINTSTRUCT ps{};
  HDC dc = given ? given : BeginPaint(window, &ps);
  // While the button rebuilds its picture it shows nothing new.
  if (dc && !skinData.Updating) {
    if (!fade_) {
      if (regionRebuild_ || cachedEnabled_ != LooksEnabled()) skinData.BackgroundChanged = true;
      if (skinData.BackgroundChanged || !skinData.CacheBmp() || skinData.CacheBmp()->Width() != button_.Width() ||
          skinData.CacheBmp()->Height() != button_.Height())
        PrepareCache();
    }
    if (regionRebuild_) {
      ApplyRegion();
      regionRebuild_ = false;
    }
    if (TBitmap* cache = skinData.CacheBmp())
      BitBlt(dc, 0, 0, cache->Width(), cache->Height(), cache->Canvas().Handle(), 0, 0, SRCCOPY);
  }
  if (!given) EndPaint(window, &ps);
}

void TsWindowedButtonSkin::RepaintNow() {
  if (!button_.HandleAllocated()) return;
  button_.Invalidate();
  button_.Update();
}

void TsWindowedButtonSkin::StateChanged(TacAnimatEvent event, bool halve) {
  TsCommonData& skinData = settings_.SkinData();
  const bool allowed = AnimatEventAllowed(event, settings_.AnimatEvents(), skinData.SkinManager());
  FadeOrRepaint(fade_, skinData, halve, 1, allowed);
}

void TsWindowedButtonSkin::MouseDown(TMessage& message, const TWndMethod& inherited) {
  TsCommonData& skinData = settings_.SkinData();
  skinData.Updating = false;
  // The press shows the button's own picture, not a hint over it.
  if (Application && !hintsSwitchedOff_) {
    hintsWereOn_ = Application->ShowHint;
    Application->ShowHint = false;
    Application->CancelHint();
    hintsSwitchedOff_ = true;
  }
  mousePressed_ = true;
  std::shared_ptr<bool> alive = alive_;
  // The plain button takes the focus and shows itself pushed first, so the
  // new picture is the pressed one.
  inherited(message);
  if (!*alive) return;
  if (!Down()) {
    regionRebuild_ = true;
    StateChanged(aeMouseDown, true);
  }
}

void TsWindowedButtonSkin::MouseUp(TMessage& message, const TWndMethod& inherited) {
  if (hintsSwitchedOff_ && Application) Application->ShowHint = hintsWereOn_;
  hintsSwitchedOff_ = false;
  if (!mousePressed_ || button_.IsDestroying()) return;
  mousePressed_ = false;
  TsCommonData& skinData = settings_.SkinData();
  if (fade_ && fade_->Step < fade_->FadeLength) {
    // The press fade has not reached the pressed picture: show it for a
    // moment, so a quick click is still seen.
    StopFade(fade_);
    skinData.BackgroundChanged = true;
    ForcedPressed = true;
    RepaintNow();
    ForcedPressed = false;
    Sleep(30);
  }
  skinData.Updating = false;
  regionRebuild_ = true;
  skinData.BackgroundChanged = false;
  // The release picture is the raised one; the plain button still holds its
  // pushed state until its own handling below clicks.
  if (button_.HandleAllocated()) SendMessage(button_.Handle(), BM_SETSTATE, FALSE, 0);
  std::shared_ptr<bool> alive = alive_;
  StateChanged(aeMouseUp, true);
  if (*alive) inherited(message);
}

bool TsWindowedButtonSkin::HandleSkinCommand(TMessage& message, const TWndMethod& inherited) {
  if (AnswerIdentityQuery(message)) return true;
  TsCommonData& skinData = settings_.SkinData();
  const bool ownManager = skinData.FromOwnManager(message);
  switch (SkinCommandOf(message.WParam)) {
    case SKC_SKIN_LOADED:
      StopFade(fade_);
      skinData.ProcessMessage(message);
      if (ownManager && IsSkinned()) {
        // A skin switched back on shows at once.
        skinData.Updating = false;
        SetOwnerDrawn(true);
        regionRebuild_ = true;
        skinData.BackgroundChanged = true;
        button_.Invalidate();
      }
      return true;
    case SKC_SKIN_REMOVED:
      StopFade(fade_);
      skinData.ProcessMessage(message);
      if (ownManager) {
        SetOwnerDrawn(false);
        DropRegion();
        button_.Invalidate();
      }
      return true;
    case SKC_SKIN_CHANGED:
      StopFade(fade_);
      skinData.ProcessMessage(message);
      if (ownManager) {
        SetOwnerDrawn(IsSkinned());
        if (!IsSkinned()) DropRegion();
        regionRebuild_ = true;
        button_.Invalidate();
      }
      return true;
    case SKC_CHILD_REPAINT:
      if (skinData.Updating) {
        skinData.Updating = false;
        button_.Repaint();
      }
      return true;
    case SKC_SET_PARENT_DEPENDENT:
      if (skinData.ParentDependent) PrepareCache();
      skinData.ProcessMessage(message);
      return true;
    case SKC_FADE_DONE:
      StopFade(fade_);
      button_.Invalidate();
      return true;
    case SKC_PREPARE_FADE:
      PrepareCache();
      skinData.ProcessMessage(message);
      return true;
    case SKC_FADE_FRAME:
      region_.reset();
      if (!skinData.ProcessMessage(message)) message.Result = 0;
      return true;
    default:
      if (skinData.ProcessMessage(message)) return true;
      inherited(message);
      return true;
  }
}

bool TsWindowedButtonSkin::HandleSkinnedMessage(TMessage& message, const TWndMethod& inherited) {
  TsCommonData& skinData = settings_.SkinData();
  if (message.Msg == SM_SKINCOMMAND) return HandleSkinCommand(message, inherited);
  if (!IsSkinned() || button_.IsLoading() || !button_.HandleAllocated()) return false;
  const bool ready = !Designing(button_) && LooksEnabled();
  std::shared_ptr<bool> alive = alive_;
  switch (message.Msg) {
    case CM_MOUSEENTER:
      if (skinData.MouseAbove || !ready) return false;
      inherited(message);
      if (!*alive) return true;
      skinData.ProcessMessage(message);
      skinData.BackgroundChanged = false;
      StateChanged(aeMouseEnter, false);
      return true;
    case CM_MOUSELEAVE:
      if (!ready) return false;
      inherited(message);
      if (!*alive) return true;
      skinData.ProcessMessage(message);
      skinData.MouseAbove = false;
      StateChanged(aeMouseLeave, false);
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!ready) return false;
      MouseDown(message, inherited);
      return true;
    case WM_LBUTTONUP:
      if (!ready) return false;
      MouseUp(message, inherited);
      return true;
    case WM_KEYUP:
    case WM_CHAR:
      if (message.WParam != static_cast<WPARAM>(VK_SPACE)) return false;
      inherited(message);
      if (!*alive) return true;
      StopFade(fade_);
      regionRebuild_ = true;
      skinData.BackgroundChanged = true;
      RepaintNow();
      return true;
    case WM_PAINT:
      Paint(reinterpret_cast<HDC>(message.WParam));
      return true;
    case WM_PRINTCLIENT:
    case WM_PRINT:
      regionRebuild_ = true;
      Paint(reinterpret_cast<HDC>(message.WParam));
      return true;
    case WM_ERASEBKGND:
      message.Result = 1;
      return true;
    case WM_ENABLE:
      return true;
    case WM_MOVE: {
      skinData.ProcessMessage(message);
      const TsGeneralData* section = skinData.Section();
      if (section && (section->Transparency > 0 || (section->HotTransparency > 0 && skinData.ControlIsActive()))) {
        skinData.BackgroundChanged = true;
        button_.Invalidate();
      }
      inherited(message);
      return true;
    }
    case WM_SIZE:
    case WM_WINDOWPOSCHANGING:
    case WM_WINDOWPOSCHANGED:
      regionRebuild_ = true;
      if (message.Msg == WM_WINDOWPOSCHANGED) skinData.BackgroundChanged = true;
      skinData.ProcessMessage(message);
      inherited(message);
      return true;
    case WM_SETFOCUS:
      skinData.ProcessMessage(message);
      inherited(message);
      if (*alive && !fade_) skinData.Invalidate();
      return true;
    case WM_KILLFOCUS:
      if (button_.IsDestroying()) return true;
      StopFade(fade_);
      skinData.ProcessMessage(message);
      inherited(message);
      if (!*alive) return true;
      skinData.Focused = false;
      regionRebuild_ = true;
      skinData.Invalidate();
      return true;
    case CM_TEXTCHANGED:
      skinData.Invalidate();
      return true;
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
    case CM_FONTCHANGED:
    case kMessage001D:
      skinData.ProcessMessage(message);
      inherited(message);
      if (!*alive) return true;
      if (message.Msg == CM_ENABLEDCHANGED) StopFade(fade_);
      skinData.Updating = false;
      skinData.BackgroundChanged = true;
      button_.Invalidate();
      return true;
    default:
      return false;
  }
}
