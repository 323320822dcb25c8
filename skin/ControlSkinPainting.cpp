#include "skin/ControlSkinPainting.h"

#include "paint/BorderMaskPainter.h"
#include "paint/ItemBackground.h"
#include "paint/SkinItemPainter.h"
#include "paint/SkinTextPainter.h"
#include "skin/TsCommonData.h"
#include "skin/TsSkinManager.h"

namespace {

TColor CustomColorOf(const TsCommonData& skinData) {
  return skinData.CustomColor() ? ColorToRGB(skinData.OwnerColor()) : clFuchsia;
}

}  // namespace

namespace {

bool CanPaint(const TsCommonData& skinData, const Bitmap* dst, const TRect& rect) {
  const TsSkinContent* skin = skinData.Skin();
  return dst && skin && skin->IsValidSkinIndex(skinData.SkinIndex) && RectInsideBitmap(rect, *dst);
}

}  // namespace

void PaintSkinItemBackground(const TsCommonData& skinData, const TCacheInfo& ci, Bitmap* dst, TPoint position,
                             const TRect& rect, int state) {
  if (!CanPaint(skinData, dst, rect)) return;
  PaintItemBg(skinData.Skin(), skinData.SkinIndex, skinData.SkinSection(), ci, CustomColorOf(skinData),
              skinData.HotTexture, skinData.Texture, *dst, position, rect, state);
}

void PaintSkinItemBorder(const TsCommonData& skinData, TCacheInfo ci, bool fillCentre, bool updateCorners, Bitmap* dst,
                         TPoint position, const TRect& rect, int state) {
  if (!CanPaint(skinData, dst, rect)) return;
  const TsSkinContent* skin = skinData.Skin();
  ci.X += position.X;
  ci.Y += position.Y;
  if (skin->IsValidImgIndex(skinData.BorderIndex)) {
    const TsMaskData& mask = skin->Masks[static_cast<std::size_t>(skinData.BorderIndex)];
    if (state != 0 || !(mask.StretchMode & bsHiddenInNormal))
      PaintBorderMask(*dst, rect, fillCentre, updateCorners, state, mask, ci, skin->MasterBitmap.get());
  }
  PaintCornerImages(*skin, skinData.SkinIndex, skinData.SkinSection(), *dst, rect, state);
}

void PaintSkinItem(const TsCommonData& skinData, TCacheInfo ci, bool fillCentre, bool updateCorners, Bitmap* dst,
                   TPoint position, const TRect& rect, int state) {
  PaintSkinItemBackground(skinData, ci, dst, position, rect, state);
  PaintSkinItemBorder(skinData, ci, fillCentre, updateCorners, dst, position, rect, state);
}

void WriteSkinText(HDC dc, std::string_view text, bool enabled, bool hot, const TsCommonData& skinData, unsigned format,
                   const TRect& rect) {
  WriteTextByIndex(dc, text, enabled, skinData.Skin(), hot, skinData.SkinIndex, format, rect);
}
