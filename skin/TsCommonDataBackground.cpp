// What a skin state answers its children about what lies under them: the
// background picture or colour, the colour for text, whether it shows its
// parent through, and which containers keep a picture of their own.
#include <algorithm>

#include "framework/TWinControl.h"
#include "paint/primitives/ColorMath.h"
#include "platform/graphics/BlockTransfer.h"
#include "platform/graphics/Fills.h"
#include "platform/windowing/WinUser.h"
#include "skin/SharedBackground.h"
#include "skin/SkinCommands.h"
#include "skin/TacEngineFlags.h"
#include "skin/TsBackgroundRequest.h"
#include "skin/TsCommonData.h"
#include "skin/TsSkinManager.h"

namespace {

int BorderWidthSum(const TsSkinContent& skin, int mask) {
  return skin.MaskWidthLeft(mask) + skin.MaskWidthTop(mask) + skin.MaskWidthRight(mask) + skin.MaskWidthBottom(mask);
}

// One channel of the translucent colour: the parent keeps T per cent.
int TranslucentChannel(int transparency, int parent, int own) {
  return std::clamp((transparency * (parent - own) + own * 256) >> 8, 0, 255);
}

TColor ParentWindowColor(const TControl& control) {
  TWinControl* parent = control.Parent();
  if (!parent) return ColorToRGB(control.Color());
  return ParentColor(static_cast<TControl*>(parent));
}

}  // namespace

TCacheInfo CacheInfoFromRequest(const TsBackgroundRequest& request) {
  TCacheInfo ci;
  if (request.BgKind == bgBitmap) {
    ci.Bmp = request.BgBmp;
    ci.X = request.BgX;
    ci.Y = request.BgY;
    ci.FillColor = clFuchsia;
    ci.Ready = true;
  } else {
    ci.FillColor = ColorToRGB(request.BgColor);
  }
  return ci;
}

void TsCommonData::GetBackground(TsBackgroundRequest& request, bool active, HWND window) {
  const TsGeneralData* section = Section();
  if (!Skinned() || customColor_ || !section) {
    if (!ownerControl_) return;
    request.BgKind = bgColor;
    request.BgColor = ColorToRGB(ownerControl_->Color());
    return;
  }
  const int transparency = active ? section->HotTransparency : section->Transparency;
  const int gradient = active ? section->HotGradientPercent : section->GradientPercent;
  const int image = active ? section->HotImagePercent : section->ImagePercent;
  const TsSkinContent& skin = *Skin();

  if (transparency == 0 && gradient <= 0 && image <= 0) {
    request.BgKind = bgColor;
    request.BgBmp = cache_ ? &cache_->Pixels() : nullptr;
    request.BgColor = ColorForState(active, window);
    if (request.DrawNow && request.TargetDC) FillRect(request.TargetDC, request.BgRect, request.BgColor);
    return;
  }
  if (transparency == 100 && (!skin.IsValidImgIndex(BorderIndex) || BorderWidthSum(skin, BorderIndex) < 25)) {
    if (ownerControl_ && ownerControl_->Parent()) {
      AskForBackground(request, ownerControl_->Parent(), request.DrawNow);
      if (request.BgKind == bgBitmap) {
        request.BgX += ownerControl_->Left();
        request.BgY += ownerControl_->Top();
      }
    } else if (window) {
      AskForBackground(request, GetParent(window), false);
    } else {
      request.BgKind = bgColor;
      const TsSkinManager* manager = TsSkinManager::DefaultManager();
      request.BgColor = manager ? manager->Content().GetGlobalColor() : ColorToRGB(clBtnFace);
    }
    return;
  }
  if (!cache_) {
    request.BgKind = bgColor;
    request.BgColor = transparency == 100 ? ColorForState(active, window) : clFuchsia;
    return;
  }
  request.BgKind = bgBitmap;
  if (request.DrawNow && request.TargetDC) {
    BitBlt(request.TargetDC, request.BgRect.Left, request.BgRect.Top, request.BgRect.Width(),
           request.BgRect.Height(), cache_->Canvas().Handle(), request.BgX, request.BgY, SRCCOPY);
  } else {
    request.BgBmp = &cache_->Pixels();
    request.BgX = 0;
    request.BgY = 0;
  }
}

std::optional<TColor> TsCommonData::GetColor(TColor) const {
  if (!ownerControl_) return std::nullopt;
  const TsGeneralData* section = Section();
  if (!Skinned() || !section) return ColorToRGB(ownerControl_->Color());
  const int transparency = section->Transparency;
  const TColor own = ColorToRGB(section->Color);
  if (transparency <= 0) return own;
  TWinControl* parent = ownerControl_->Parent();
  if (transparency >= 100) {
    if (!parent) return ColorToRGB(ownerControl_->Color());
    TColor answer = static_cast<TColor>(SendSkinCommand(parent, SKC_GET_COLOR, clFuchsia));
    if (answer == clFuchsia || !ControlAnswersOne(parent, SKC_QUERY_SKINNED)) answer = ColorToRGB(parent->Color());
    return answer;
  }
  TColor p = parent ? ParentColor(static_cast<TControl*>(parent)) : ColorToRGB(ownerControl_->Color());
  if (p == clFuchsia) p = parent ? ColorToRGB(parent->Color()) : ColorToRGB(ownerControl_->Color());
  const int r = TranslucentChannel(transparency, p & 0xFF, own & 0xFF);
  const int g = TranslucentChannel(transparency, (p >> 8) & 0xFF, (own >> 8) & 0xFF);
  const int b = TranslucentChannel(transparency, (p >> 16) & 0xFF, (own >> 16) & 0xFF);
  return static_cast<TColor>(r | (g << 8) | (b << 16));
}

TColor TsCommonData::ColorForState(bool active, HWND window) const {
  const TsGeneralData* section = Section();
  if (Skinned() && section) {
    const int transparency = active ? section->HotTransparency : section->Transparency;
    const TColor own = active ? section->HotColor : section->Color;
    if (transparency >= 100) {
      if (ownerControl_) return ownerControl_->Parent() ? ParentColor(static_cast<TControl*>(ownerControl_->Parent())) : clFuchsia;
      if (window) return ParentColor(GetParent(window));
      return clBtnFace;
    }
    if (transparency > 0) {
      if (!ownerControl_) return 0;
      const TColor parent = ParentWindowColor(*ownerControl_);
      return MixColors(parent, own, transparency / 100.0);
    }
    if (!customColor_) return own;
  }
  return OwnerColor();
}

int TsCommonData::QueryTransparent() const {
  const TsGeneralData* section = Section();
  if (!section) return 0;
  if (section->Transparency == 100 && ownerControl_ && ownerControl_->Parent()) {
    TWinControl* parent = ownerControl_->Parent();
    if (!parent->HandleAllocated()) return 0;
    return static_cast<int>(SendSkinCommand(parent->Handle(), SKC_QUERY_TRANSPARENT) & 0x7F);
  }
  if (section->GradientPercent + section->ImagePercent > 0) return 1;
  return DependsOnParent() ? 1 : 0;
}

bool TsCommonData::DependsOnParent() const {
  if (parentDependent_ || !Skinned()) return true;
  if (!ownerControl_ || (ownerControl_->ControlState() & csCreating) != 0 || !ownerControl_->Visible()) return true;
  const TsGeneralData* section = Section();
  if (!section) return false;
  if (!ownerControl_->Enabled() || section->Transparency > 0) {
    TWinControl* parent = ownerControl_->Parent();
    if (parent && parent->HandleAllocated()) return SendSkinCommand(parent->Handle(), SKC_QUERY_TRANSPARENT) != 0;
    return true;
  }
  return false;
}

void TsCommonData::ParentMoved(bool redrawOwnWindow) {
  const bool depends = DependsOnParent();
  if (depends) MarkCacheStale();
  TWinControl* windowed = WindowedOwner();
  if (!windowed) return;
  if (redrawOwnWindow && windowed->HandleAllocated()) {
    RedrawWindow(windowed->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_NOERASE);
  }
  if (!depends) return;
  for (int i = 0; i < windowed->ControlCount(); ++i) {
    TControl* child = windowed->Controls(i);
    if (!child->IsDestroying()) SendSkinCommand(child, SKC_PARENT_MOVED);
  }
}

bool TsCommonData::NeedsOwnCache() const {
  const TsSkinContent* skin = Skin();
  const TsGeneralData* section = Section();
  if (!skin || !section) return false;
  if (skin->IsValidImgIndex(BorderIndex) && BorderWidthSum(*skin, BorderIndex) > 24) return true;
  if (section->Transparency == 100) {
    TWinControl* parent = ownerControl_ ? ownerControl_->Parent() : nullptr;
    if (!parent) return true;
    return (SendSkinCommand(parent, SKC_CACHE_MODE) & pmNoOwnCache) == 0;
  }
  if (section->Transparency > 0) return true;
  if (section->ImagePercent != 0) return true;
  return section->GradientPercent != 0;
}

void TsCommonData::RecomputeCacheMode(bool tellChildren) {
  PaintMode &= static_cast<std::uint16_t>(~pmNoOwnCache);
  if ((SharesCacheLikeContainer || frameOwner_) && !NeedsOwnCache()) PaintMode |= pmNoOwnCache;
  if (!tellChildren) return;
  if (TWinControl* windowed = WindowedOwner()) {
    for (int i = 0; i < windowed->ControlCount(); ++i) SendSkinCommand(windowed->Controls(i), SKC_CACHE_MODE, 1);
  }
}

bool TsCommonData::MustPaintItself() const {
  return TacEngineFlags::ShowWindowFadeRunning || (PaintMode & pmNoOwnCache) == 0 || ControlIsActive();
}

bool TsCommonData::IsUpdating() const {
  const TsSkinManager* manager = SkinManager();
  if (!manager || (ownerControl_ && ownerControl_->HasState(csDesigning))) return false;
  if (!MustPaintItself()) return updating_;
  if (updating_) return true;
  if (ownerControl_ && ownerControl_->Parent()) return ControlAnswersOne(ownerControl_->Parent(), SKC_QUERY_INVALID);
  return false;
}

bool TsCommonData::RecheckUpdating() {
  const bool held = IsUpdating();
  if (held && !updating_ && MustPaintItself()) MarkCacheStale();
  updating_ = held;
  return held;
}
