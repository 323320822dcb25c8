#include "skin/CacheToScreen.h"

#include <memory>
#include <vector>

#include "framework/TWinControl.h"
#include "framework/graphics/TBitmap.h"
#include "platform/graphics/BlockTransfer.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/Fills.h"
#include "platform/graphics/Region.h"
#include "platform/windowing/WinMessages.h"
#include "skin/KeptPicture.h"
#include "skin/SharedBackground.h"
#include "skin/SkinCommands.h"
#include "skin/TacEngineFlags.h"
#include "skin/TsBackgroundRequest.h"
#include "skin/TsCommonData.h"
#include "skin/TsSkinManager.h"

void UpdateCorners(TsCommonData& skinData, int state, unsigned corners) {
  TControl* control = skinData.OwnerControl();
  TBitmap* cache = skinData.CacheBmp();
  const TsSkinContent* skin = skinData.Skin();
  if (!control || !cache || !skin || !skin->IsValidImgIndex(skinData.BorderIndex)) return;
  if (control->Width() < 2 || control->Height() < 2) return;
  TsBackgroundRequest request;
  AskForBackground(request, control->Parent(), false);
  TCacheInfo ci = CacheInfoFromRequest(request);
  if (ci.Ready) {
    ci.X += control->Left();
    ci.Y += control->Top();
  }
  const TsMaskData& mask = skin->Masks[static_cast<std::size_t>(skinData.BorderIndex)];
  PaintBorderCorners(cache->Pixels(), Rect(0, 0, cache->Width(), cache->Height()), state, mask, ci,
                     skin->MasterBitmap.get(), corners);
}

namespace {

// Children whose own painting covers their part of the parent.
bool PaintsOverParent(const TControl& child) {
  if (!child.Visible() || child.BoundsRect().IsEmpty()) return false;
  if (child.HasState(csDesigning)) return true;
  if (auto* windowed = dynamic_cast<const TWinControl*>(&child)) {
    if (!windowed->HandleAllocated()) return false;
    return SendSkinCommand(const_cast<TWinControl*>(windowed), SKC_QUERY_TRANSPARENT) == 0;
  }
  return TacEngineFlags::ClipGraphicChildren;
}

}  // namespace

void CopyCacheToScreen(TControl& control, TsCommonData& skinData, TPoint source, HDC target, const TRect& targetRect,
                       TPoint clientOrigin, bool updateCorners) {
  TBitmap* cache = skinData.CacheBmp();
  if (!cache || !target) return;
  if (updateCorners) UpdateCorners(skinData, 0);
  const int level = SaveDC(target);
  IntersectClipRect(target, targetRect.Left, targetRect.Top, targetRect.Right, targetRect.Bottom);
  if (auto* container = dynamic_cast<TWinControl*>(&control)) {
    // The children's rectangles are gathered first and left out at once:
    // leaving them out one by one remakes the whole clip for each child.
    Region covered;
    for (int i = 0; i < container->ControlCount(); ++i) {
      const TControl& child = *container->Controls(i);
      if (!PaintsOverParent(child)) continue;
      const TRect r = child.BoundsRect().Offset(clientOrigin.X, clientOrigin.Y);
      TPoint corners[2] = {{r.Left, r.Top}, {r.Right, r.Bottom}};
      LPtoDP(target, corners);
      covered = Region::combine(covered, Region(TRect{corners[0].X, corners[0].Y, corners[1].X, corners[1].Y}), RGN_OR);
    }
    if (!covered.empty()) ExtSelectClipRgn(target, &covered, RGN_DIFF);
  }
  BitBlt(target, targetRect.Left, targetRect.Top, targetRect.Width(), targetRect.Height(), cache->Canvas().Handle(),
         source.X, source.Y, SRCCOPY);
  RestoreDC(target, level);
}

namespace {

// All four corners of r can be drawn on the target.
bool WhollyVisible(HDC target, const TRect& r) {
  return PtVisible(target, r.Left, r.Top) && PtVisible(target, r.Right - 1, r.Top) &&
         PtVisible(target, r.Left, r.Bottom - 1) && PtVisible(target, r.Right - 1, r.Bottom - 1);
}

bool TakesPart(const TControl& child, HDC target, TPoint shift) {
  if (!(child.Visible() || child.HasState(csDesigning))) return false;
  if (dynamic_cast<const TWinControl*>(&child) || child.IsDestroying()) return false;
  if (child.Width() < 1 || child.Height() < 1) return false;
  return RectVisible(target, child.BoundsRect().Offset(shift.X, shift.Y));
}

// What lies under each taking part child before it paints itself.
void FillUnderChildren(HDC dc, const std::vector<TControl*>& children, const TsBackgroundRequest& background) {
  std::unique_ptr<DeviceContext> backgroundDC;
  if (background.BgKind == bgBitmap && background.BgBmp) backgroundDC = std::make_unique<DeviceContext>(*background.BgBmp);
  for (TControl* child : children) {
    const TRect r = child->BoundsRect();
    if (child->Opaque()) {
      FillRect(dc, r, ParentColor(child));
    } else if (backgroundDC) {
      BitBlt(dc, r.Left, r.Top, r.Width(), r.Height(), backgroundDC.get(), r.Left + background.BgX,
             r.Top + background.BgY, SRCCOPY);
    } else {
      FillRect(dc, r, background.BgColor);
    }
  }
}

}  // namespace

void PaintWindowlessChildren(HDC target, TWinControl& container, TPoint shift) {
  if (!target || !(container.Visible() || container.HasState(csDesigning)) || container.ControlCount() == 0) return;
  TRect clip;
  if (GetClipBox(target, &clip) == NULLREGION) {
    if (container.HandleAllocated()) SendSkinCommand(container.Handle(), SKC_SET_PARTLY_HIDDEN);
    return;
  }
  std::vector<TControl*> children;
  for (int i = 0; i < container.ControlCount(); ++i)
    if (TakesPart(*container.Controls(i), target, shift)) children.push_back(container.Controls(i));
  if (children.empty()) return;
  TsBackgroundRequest background;
  AskForBackground(background, &container, false);

  // The off-screen picture covers the children that take part (inside the
  // container's client area): what lies outside them is never copied.
  TRect area = children.front()->BoundsRect();
  for (TControl* child : children) area = Union(area, child->BoundsRect());
  area = Intersect(area, Rect(0, 0, container.ClientWidth(), container.ClientHeight()));
  if (area.IsEmpty()) return;
  KeptPicture kept(area.Width(), area.Height());
  TBitmap& picture = kept.Picture();
  HDC dc = picture.Canvas().Handle();
  SetViewportOrgEx(dc, -area.Left, -area.Top);
  FillUnderChildren(dc, children, background);
  for (TControl* child : children) {
    if (!WhollyVisible(target, child->BoundsRect().Offset(shift.X, shift.Y)))
      SendSkinCommand(child, SKC_SET_PARTLY_HIDDEN);
    const int level = SaveDC(dc);
    OffsetViewportOrgEx(dc, child->Left(), child->Top());
    IntersectClipRect(dc, 0, 0, child->Width(), child->Height());
    child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, level);
  }
  const Bitmap& pixels = picture.Pixels();
  for (TControl* child : children) {
    const TRect r = child->BoundsRect();
    // A child that holds its painting marks its top-left pixel: it leaves
    // the target as it is.
    const int x = r.Left - area.Left, y = r.Top - area.Top;
    if (x >= 0 && y >= 0 && x < area.Width() && y < area.Height() && pixels.pixel(x, y) == clFuchsia) continue;
    BitBlt(target, r.Left + shift.X, r.Top + shift.Y, r.Width(), r.Height(), dc, r.Left, r.Top, SRCCOPY);
  }
}

void ShowContainerCache(TWinControl& container, TsCommonData& skinData, TPoint source, HDC target,
                        const TRect& targetRect) {
  const TPoint origin = Point(targetRect.Left, targetRect.Top);
  const bool childFrame = skinData.Linked() != nullptr;
  if (!childFrame) CopyCacheToScreen(container, skinData, source, target, targetRect, origin, false);
  PaintWindowlessChildren(target, container, origin);
  if (!childFrame) RepaintChildren(container);
}
