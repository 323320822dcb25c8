#include "paint/SkinItemPainter.h"

#include "paint/BorderMaskPainter.h"
#include "paint/ItemBackground.h"
#include "paint/MaskGeometry.h"
#include "paint/MaskImagePainter.h"

namespace {

bool CanPaint(const TsSkinContent* skin, int skinIndex, const Bitmap* dst, const TRect& rect) {
  return dst != nullptr && skin != nullptr && skin->IsValidSkinIndex(skinIndex) && RectInsideBitmap(rect, *dst);
}

}  // namespace

// Corner images sit in the corners of rect, drawn over the item itself.
void PaintCornerImages(const TsSkinContent& skin, int skinIndex, std::string_view section, Bitmap& dst,
                       const TRect& rect, int state) {
  const char* const keys[4] = {"IMGTOPLEFT", "IMGTOPRIGHT", "IMGBTMLEFT", "IMGBTMRIGHT"};
  const TCacheInfo self = MakeCacheInfo(&dst, 0, 0);
  for (int corner = 0; corner < 4; ++corner) {
    const int index = skin.GetMaskIndex(skinIndex, section, keys[corner]);
    if (!skin.IsValidImgIndex(index)) continue;
    const TsMaskData& mask = skin.Masks[static_cast<std::size_t>(index)];
    const TSize frame = MaskFrameSize(mask);
    const int x = (corner % 2 == 0) ? rect.Left : rect.Right - frame.cx;
    const int y = (corner < 2) ? rect.Top : rect.Bottom - frame.cy;
    DrawMaskImage(dst, Point(x, y), state, self, mask, 1, skin.MasterBitmap.get());
  }
}

bool RectInsideBitmap(const TRect& rect, const Bitmap& bmp) {
  return rect.Left >= 0 && rect.Top >= 0 && rect.Right <= bmp.width() && rect.Bottom <= bmp.height();
}

void PaintItem(int skinIndex, std::string_view sectionName, TCacheInfo ci, int hotTextureIndex, int textureIndex,
               const TsSkinContent* skin, Bitmap* dst, TPoint position, const TRect& rect, int state, bool fillCentre) {
  if (!CanPaint(skin, skinIndex, dst, rect)) return;
  PaintItemBg(skin, skinIndex, sectionName, ci, clFuchsia, hotTextureIndex, textureIndex, *dst, position, rect, state);
  PaintCornerImages(*skin, skinIndex, sectionName, *dst, rect, state);
  ci.X += position.X;
  ci.Y += position.Y;
  const int border = skin->GetMaskIndex(skinIndex, sectionName, "BORDERSMASK");
  if (skin->IsValidImgIndex(border))
    PaintBorderMask(*dst, rect, fillCentre, true, state, skin->Masks[static_cast<std::size_t>(border)], ci,
                    skin->MasterBitmap.get());
}

void PaintItemWithMask(int skinIndex, int borderMaskIndex, int textureIndex, const TsSkinContent* skin, Bitmap* dst,
                       TPoint position, const TRect& rect, int state, bool fillCentre, TCacheInfo ci,
                       std::string_view sectionName, int hotTextureIndex) {
  if (!CanPaint(skin, skinIndex, dst, rect)) return;
  PaintItemBg(skin, skinIndex, sectionName, ci, clFuchsia, hotTextureIndex, textureIndex, *dst, position, rect, state);
  ci.X += position.X;
  ci.Y += position.Y;
  if (skin->IsValidImgIndex(borderMaskIndex))
    PaintBorderMask(*dst, rect, fillCentre, true, state, skin->Masks[static_cast<std::size_t>(borderMaskIndex)], ci,
                    skin->MasterBitmap.get());
}

void PaintNamedSection(const TsSkinContent& skin, std::string_view section, Bitmap& target, const TRect& rect,
                       int state) {
  const int index = skin.GetSkinIndex(section);
  if (!skin.IsValidSkinIndex(index)) return;
  PaintItem(index, section, MakeCacheInfo(&target), skin.GetTextureIndex(index, section, "HOTPATTERN"),
            skin.GetTextureIndex(index, section, "PATTERN"), &skin, &target, {0, 0}, rect, state, true);
}
