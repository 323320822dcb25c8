#include "paint/ItemBackground.h"

#include "paint/GradientPainter.h"
#include "paint/TextureTiling.h"
#include "paint/primitives/BlendPrimitives.h"
#include "paint/primitives/ColorMath.h"
#include "paint/primitives/FillPrimitives.h"

namespace {

// What one state of a section looks like.
struct BackgroundLook {
  TColor Color = 0;
  int Transparency = 0;
  int ImagePercent = 0;
  int GradientPercent = 0;
  const TsMaskData* TextureMask = nullptr;  // a plain (MaskType 0) or masked texture
  const TsPatternData* Pattern = nullptr;   // a pattern picture instead of a mask
  const TsGradArray* Gradient = nullptr;
};

// Stands in for a missing master bitmap.
const Bitmap& NoPicture() {
  static const Bitmap empty;
  return empty;
}

const TsMaskData* MaskAt(const TsSkinContent& skin, int index) {
  return skin.IsValidImgIndex(index) ? &skin.Masks[static_cast<std::size_t>(index)] : nullptr;
}

// The texture of a state: the control's own texture when it is a plain one,
// else the section's PATTERN/HOTPATTERN mask, else its pattern picture.
void ChooseTexture(const TsSkinContent& skin, int skinIndex, std::string_view section, int ownIndex,
                   std::string_view key, BackgroundLook& look) {
  const TsMaskData* own = MaskAt(skin, ownIndex);
  if (own != nullptr && own->MaskType == 0) {
    look.TextureMask = own;
    return;
  }
  look.TextureMask = MaskAt(skin, skin.GetMaskIndex(skinIndex, section, key));
  if (look.TextureMask != nullptr) return;
  const int pattern = skin.GetPatternIndex(skinIndex, section, key);
  if (pattern >= 0 && pattern < static_cast<int>(skin.Patterns.size()))
    look.Pattern = &skin.Patterns[static_cast<std::size_t>(pattern)];
}

BackgroundLook ChooseLook(const TsSkinContent& skin, int skinIndex, std::string_view section, TColor customColor,
                          int hotTextureIndex, int textureIndex, int state) {
  const TsGeneralData& data = skin.Sections[static_cast<std::size_t>(skinIndex)];
  BackgroundLook look;
  if (customColor != clKeyColor) {
    look.Color = customColor;
    return look;
  }
  const bool active = state != 0;
  look.Color = active ? data.HotColor : data.Color;
  look.Transparency = active ? data.HotTransparency : data.Transparency;
  // A fully transparent state shows neither picture nor gradient.
  if (look.Transparency != 100) {
    look.ImagePercent = active ? data.HotImagePercent : data.ImagePercent;
    look.GradientPercent = active ? data.HotGradientPercent : data.GradientPercent;
  }
  ChooseTexture(skin, skinIndex, section, active ? hotTextureIndex : textureIndex, active ? "HOTPATTERN" : "PATTERN", look);
  look.Gradient = active ? &data.HotGradientArray : &data.GradientArray;
  return look;
}

// Fills q from the gradient, or with the colour when there is no gradient.
void GradientOrColor(Bitmap& bmp, const TRect& q, const BackgroundLook& look) {
  if (look.Gradient == nullptr || look.Gradient->empty()) {
    FillBitmapRect(bmp, q, look.Color);
  } else {
    PaintGrad(bmp, q, *look.Gradient);
  }
}

// The section's own background in q of bmp. ci is already placed so that
// bmp pixel (x, y) lies over parent pixel (ci.X + x, ci.Y + y).
void PaintOwnBackground(Bitmap& bmp, const TRect& q, const BackgroundLook& look, const TCacheInfo& ci,
                        const Bitmap* master) {
  const int i = look.ImagePercent, g = look.GradientPercent;
  bool textureDrawn = false;
  if (i > 0) {
    TRect uncovered = q;
    if (look.Pattern != nullptr && look.Pattern->Img) {
      TileTexture(bmp, uncovered, look.Pattern->Img.get(), 0, nullptr);
      textureDrawn = true;
    } else if (look.TextureMask != nullptr) {
      if (look.TextureMask->MaskType > 0) {
        TileTextureWithMask(bmp, uncovered, ci, look.TextureMask->StretchMode, *look.TextureMask,
                            master != nullptr ? *master : NoPicture());
      } else {
        TileTexture(bmp, uncovered, master, look.TextureMask->StretchMode, look.TextureMask);
      }
      textureDrawn = true;
    }
    if (uncovered != kFullyCovered) FillBitmapRect(bmp, uncovered, look.Color);
  }
  if (g > 0) {
    if (textureDrawn) {
      // The texture keeps i per cent of the mix.
      Bitmap layer(q.Width(), q.Height());
      GradientOrColor(layer, Rect(0, 0, q.Width(), q.Height()), look);
      SumBitmapRect(bmp, layer, static_cast<std::uint8_t>(i * 255 / 100), q.TopLeft(), Rect(0, 0, q.Width(), q.Height()));
    } else {
      GradientOrColor(bmp, q, look);
    }
  }
  const int shares = i + g;
  if (shares == 0) {
    // A see-through section over a plain parent shows the parent's colour.
    const bool parentColor = !ci.Ready && look.Transparency != 0 && ci.FillColor != clKeyColor;
    FillBitmapRect(bmp, q, parentColor ? ci.FillColor : look.Color);
  } else if (shares < 100) {
    BlendColorRect(bmp, Rect(q.Left, q.Top, q.Right - 1, q.Bottom - 1), static_cast<std::uint8_t>(shares), look.Color);
  }
}

// The parent's picture (or plain colour) under rect.
void PutParentPicture(Bitmap& dst, const TRect& rect, const TCacheInfo& ci, TPoint position) {
  if (ci.Ready) {
    if (ci.Bmp == nullptr || ci.Bmp == &dst) return;
    CopyBitmapRect(dst, rect.TopLeft(), *ci.Bmp, Bounds(ci.X + position.X, ci.Y + position.Y, rect.Width(), rect.Height()));
  } else {
    FillBitmapRect(dst, rect, ci.FillColor);
  }
}

}  // namespace

void PaintItemBg(const TsSkinContent* skin, int skinIndex, std::string_view sectionName, const TCacheInfo& ci,
                 TColor customColor, int hotTextureIndex, int textureIndex, Bitmap& dst, TPoint position,
                 const TRect& rect, int state) {
  if (skin == nullptr || !skin->IsValidSkinIndex(skinIndex) || rect.IsEmpty()) return;
  const BackgroundLook look = ChooseLook(*skin, skinIndex, sectionName, customColor, hotTextureIndex, textureIndex, state);
  const Bitmap* master = skin->MasterBitmap.get();
  // Parent picture coordinates of dst pixels inside rect.
  TCacheInfo placed = ci;
  placed.X += position.X - rect.Left;
  placed.Y += position.Y - rect.Top;

  const bool seeThrough = ci.Ready || ci.FillColor != clKeyColor;
  if (seeThrough && look.Transparency >= 100) {
    PutParentPicture(dst, rect, ci, position);
  } else if (seeThrough && look.Transparency > 0) {
    Bitmap own(rect.Width(), rect.Height());
    TCacheInfo ownPlaced = ci;
    ownPlaced.X += position.X;
    ownPlaced.Y += position.Y;
    PaintOwnBackground(own, Rect(0, 0, rect.Width(), rect.Height()), look, ownPlaced, master);
    PutParentPicture(dst, rect, ci, position);
    SumBitmapRect(dst, own, static_cast<std::uint8_t>(look.Transparency * 255 / 100), rect.TopLeft(),
                  Rect(0, 0, rect.Width(), rect.Height()));
  } else {
    PaintOwnBackground(dst, rect, look, placed, master);
  }

  // In the normal state a texture with a mask half in fill mode 10 lies over it all.
  if (state != 0) return;
  const TsMaskData* texture = MaskAt(*skin, textureIndex);
  const TsMaskData* hot = MaskAt(*skin, hotTextureIndex);
  const TsMaskData* overlay = nullptr;
  if (texture == nullptr || texture->MaskType < 1) {
    if (hot != nullptr && hot->MaskType > 0 && hot->StretchMode == 10) overlay = hot;
  } else if (texture->StretchMode == 10) {
    overlay = texture;
  }
  if (overlay == nullptr) return;
  TRect area = rect;
  TileTextureWithMask(dst, area, placed, 10, *overlay, master != nullptr ? *master : NoPicture());
}
