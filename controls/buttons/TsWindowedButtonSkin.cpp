#include "controls/buttons/TsWindowedButtonSkin.h"

#include <algorithm>

#include "framework/TApplication.h"
#include "framework/TCustomForm.h"
#include "paint/BorderMaskPainter.h"
#include "paint/primitives/DisabledLook.h"
#include "platform/controls/ControlMessages.h"
#include "platform/windowing/WinMessages.h"
#include "platform/windowing/WinUser.h"
#include "skin/CacheToScreen.h"
#include "skin/ControlSkinPainting.h"
#include "skin/SharedBackground.h"
#include "skin/SkinCommandMessage.h"
#include "skin/SkinCommands.h"
#include "skin/TacAnimatEvents.h"
#include "skin/TacEngineFlags.h"
#include "skin/TsBackgroundRequest.h"
#include "skin/TsCommonData.h"
#include "skin/TsSkinManager.h"

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

bool TsWindowedButtonSkin::LooksEnabled() const { return settings_.SkinData().OwnerLooksEnabled(); }

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
  if (pushed && (skinData.MouseAbove() || !mousePressed_)) return 2;
  if (button.DefaultFlag() || type == BS_DEFPUSHBUTTON || skinData.ControlIsActive() ||
      (Designing() && button.Default()))
    return 1;
  return 0;
}

void TsWindowedButtonSkin::AdjustCreateParams(TCreateParams& params) const {
  if (IsSkinned() && !Designing()) params.Style = (params.Style & ~BS_TYPEMASK) | BS_OWNERDRAW;
}

void TsWindowedButtonSkin::SetOwnerDrawn(bool ownerDrawn) {
  if (!button_.HandleAllocated()) return;
  const HWND window = button_.Handle();
  const DWORD type = ownerDrawn ? BS_OWNERDRAW : button_.DefaultFlag() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  const auto style = static_cast<DWORD>(GetWindowLongPtr(window, GWL_STYLE));
  SetWindowLongPtr(window, GWL_STYLE, static_cast<LONG_PTR>((style & ~BS_TYPEMASK) | type));
}

bool TsWindowedButtonSkin::ShowDefaultFlag() {
  if (!IsSkinned() || Designing() || !button_.HandleAllocated()) return false;
  // The owner-drawn window keeps its style: the flag shows as the hot state.
  if (button_.DefaultFlag() != shownDefaultFlag_) {
    shownDefaultFlag_ = button_.DefaultFlag();
    InvalidateUnlessAStateChangeShowsIt();
  }
  return true;
}

void TsWindowedButtonSkin::InvalidateUnlessAStateChangeShowsIt() {
  TsCommonData& skinData = settings_.SkinData();
  // A running fade brings the new picture with its last frame, and a press
  // taking the focus fades from the picture shown now: a repaint before it
  // would show its last picture ahead of its first frames.
  if (fade_ || (mousePressed_ && !Down())) {
    skinData.MarkCacheStale();
    return;
  }
  skinData.Invalidate();
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
  skinData.CacheRebuilt();
}

void TsWindowedButtonSkin::ApplyRegion() {
  if (!region_ || Designing() || !button_.HandleAllocated()) return;
  SetWindowRgn(button_.Handle(), &*region_, regionApplied_ ? FALSE : TRUE);
  regionApplied_ = true;
  region_.reset();
  UncoverShrunkStrips();
  shownBounds_ = button_.BoundsRect();
}

void TsWindowedButtonSkin::UncoverShrunkStrips() {
  // A parent that keeps no picture of its own is not repainted from one:
  // the strips the button no longer covers are asked for again.
  TWinControl* parent = button_.Parent();
  const TRect now = button_.BoundsRect();
  if (!parent || !parent->HandleAllocated() || shownBounds_.IsEmpty()) return;
  if ((SendSkinCommand(parent, SKC_CACHE_MODE) & pmNoOwnCache) == 0) return;
  const TRect right = Rect(std::max(now.Right, shownBounds_.Left), shownBounds_.Top, shownBounds_.Right, shownBounds_.Bottom);
  const TRect below = Rect(shownBounds_.Left, std::max(now.Bottom, shownBounds_.Top), shownBounds_.Right, shownBounds_.Bottom);
  for (const TRect& strip : {right, below})
    if (!strip.IsEmpty()) InvalidateRect(parent->Handle(), &strip, TRUE);
}

bool TsWindowedButtonSkin::InsideParent() const {
  const TWinControl* parent = button_.Parent();
  if (!parent) return true;
  const TRect client = parent->ClientRect();
  return Intersect(client, button_.BoundsRect()) == button_.BoundsRect();
}

void TsWindowedButtonSkin::Paint(HDC given) {
  const HWND window = button_.Handle();
  PAINTSTRUCT ps{};
  HDC dc = given ? given : BeginPaint(window, &ps);
  if (dc) PaintOn(dc);
  if (!given) EndPaint(window, &ps);
}

void TsWindowedButtonSkin::PaintOn(HDC dc) {
  // While a whole window is painted into one picture, only that picture.
  if (TacEngineFlags::BulkPaintTarget && dc != TacEngineFlags::BulkPaintTarget) return;
  TsCommonData& skinData = settings_.SkinData();
  // While the button or the picture under it is rebuilt, it shows nothing new.
  if (skinData.RecheckUpdating()) return;
  // A running fade shows its own frames from the cache it prepared; a
  // picture marked stale meanwhile is rebuilt once the fade is over.
  if (!fade_) {
    if (regionRebuild_ || cachedEnabled_ != LooksEnabled()) skinData.MarkCacheStale();
    skinData.SetPartlyHidden(!InsideParent());
    const TBitmap* cache = skinData.CacheBmp();
    if (skinData.BackgroundChanged() || !cache || cache->Width() != button_.Width() ||
        cache->Height() != button_.Height())
      PrepareCache();
  }
  // The corners need no repair of their own here: a region rebuild rebuilds
  // the cache, whose border pieces are painted over what lies under the
  // button now (a fade's picture was made so when it started). Repairing
  // them again would blend their translucent pixels twice.
  if (regionRebuild_) {
    ApplyRegion();
    regionRebuild_ = false;
  }
  if (TBitmap* cache = skinData.CacheBmp())
    CopyCacheToScreen(button_, skinData, Point(0, 0), dc, Rect(0, 0, cache->Width(), cache->Height()), Point(0, 0),
                      false);
}
