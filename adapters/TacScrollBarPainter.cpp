#include "adapters/TacScrollBarPainter.h"

#include <algorithm>

#include "adapters/TacScrollBar.h"
#include "paint/MaskImagePainter.h"
#include "paint/SkinItemPainter.h"
#include "paint/primitives/BlendPrimitives.h"
#include "paint/primitives/FillPrimitives.h"

namespace {
bool Horizontal(const TacBarLook& look) { return look.Kind == kBarHorizontal; }
int Extent(const TacBarLook& look) { return Horizontal(look) ? look.Width : look.Height; }
// The piece of the bar from `from` to `to` along it.
TRect Piece(const TacBarLook& look, int from, int to) {
  return Horizontal(look) ? Rect(from, 0, to, look.Height) : Rect(0, from, look.Width, to);
}
}  // namespace

bool TacScrollBarPainter::CanPaint(int kind) const {
  const TsSectionMasks& first = kind == kBarHorizontal ? skin_.ConstData.ScrollBar1H : skin_.ConstData.ScrollBar1V;
  return skin_.IsValidSkinIndex(first.SkinIndex);
}

Bitmap TacScrollBarPainter::Paint(const TacBarLook& look) const {
  Bitmap bar(std::max(look.Width, 0), std::max(look.Height, 0));
  const int extent = Extent(look);
  if (extent <= 0 || look.Width <= 0 || look.Height <= 0) return bar;
  const int a = look.Arrow;
  if (2 * a < extent) {
    const int split = std::clamp(look.ThumbStart + look.ThumbLength / 2, 0, extent);
    PaintTrack(bar, look, Piece(look, 0, split), false, look.TrackBeforeState);
    PaintTrack(bar, look, Piece(look, split, extent), true, look.TrackAfterState);
    PaintArrow(bar, look, Piece(look, 0, a), false, look.FirstArrowState);
    PaintArrow(bar, look, Piece(look, extent - a, extent), true, look.SecondArrowState);
    if (look.DrawThumb)
      PaintThumb(bar, look, Piece(look, look.ThumbStart, look.ThumbStart + look.ThumbLength), look.ThumbState);
  } else {
    const int half = extent / 2;
    PaintTrack(bar, look, Piece(look, 0, half), false, 0);
    PaintTrack(bar, look, Piece(look, half, extent), true, 0);
    PaintArrow(bar, look, Piece(look, 0, half), false, look.FirstArrowState);
    PaintArrow(bar, look, Piece(look, half, extent), true, look.SecondArrowState);
  }
  if (!look.Enabled) Fade(bar, look);
  return bar;
}

void TacScrollBarPainter::PaintTrack(Bitmap& bar, const TacBarLook& look, const TRect& piece, bool second,
                                     int state) const {
  if (piece.Width() <= 0 || piece.Height() <= 0) return;
  const TsConstIndexes& c = skin_.ConstData;
  const bool h = Horizontal(look);
  const TsSectionMasks& part = h ? (second ? c.ScrollBar2H : c.ScrollBar1H) : (second ? c.ScrollBar2V : c.ScrollBar1V);
  const char* name = h ? (second ? "SCROLLBAR2H" : "SCROLLBAR1H") : (second ? "SCROLLBAR2V" : "SCROLLBAR1V");
  PaintItemWithMask(part.SkinIndex, part.BorderMask, part.Pattern, &skin_, &bar,
                    Point(look.Position.X + piece.Left, look.Position.Y + piece.Top), piece, state, true,
                    look.Background, name, part.HotPattern);
}

void TacScrollBarPainter::PaintArrow(Bitmap& bar, const TacBarLook& look, const TRect& r, bool second,
                                     int state) const {
  if (r.Width() <= 0 || r.Height() <= 0) return;
  const TsConstIndexes& c = skin_.ConstData;
  const bool h = Horizontal(look);
  const TsSectionMasks& part = h ? (second ? c.ScrollBtnRight : c.ScrollBtnLeft) : (second ? c.ScrollBtnBottom : c.ScrollBtnTop);
  const char* name = h ? (second ? "SCROLLBTNRIGHT" : "SCROLLBTNLEFT") : (second ? "SCROLLBTNBOTTOM" : "SCROLLBTNTOP");
  // The glyph sits in the square at the outer end of the button.
  const int side = std::min(look.DefaultArrow, h ? r.Width() : r.Height());
  TRect square = h ? Rect(0, 0, side, r.Height()) : Rect(0, 0, r.Width(), side);
  if (second) square = h ? Rect(r.Width() - side, 0, r.Width(), r.Height()) : Rect(0, r.Height() - side, r.Width(), r.Height());
  PaintPart(bar, part, name, r, square, state);
}

void TacScrollBarPainter::PaintThumb(Bitmap& bar, const TacBarLook& look, const TRect& r, int state) const {
  if (r.Width() <= 0 || r.Height() <= 0) return;
  const bool h = Horizontal(look);
  const TsSectionMasks& part = h ? skin_.ConstData.ScrollSliderH : skin_.ConstData.ScrollSliderV;
  PaintPart(bar, part, h ? "SCROLLSLIDERH" : "SCROLLSLIDERV", r, Rect(0, 0, r.Width(), r.Height()), state);
}

void TacScrollBarPainter::PaintPart(Bitmap& bar, const TsSectionMasks& part, const char* section, const TRect& r,
                                    const TRect& square, int state) const {
  Bitmap piece(r.Width(), r.Height());
  // The piece starts as the bar under it, so transparent parts show the track.
  CopyBitmapRect(piece, Point(0, 0), bar, r);
  PaintItemWithMask(part.SkinIndex, part.BorderMask, part.Pattern, &skin_, &piece, r.TopLeft(),
                    Rect(0, 0, r.Width(), r.Height()), state, true, MakeCacheInfo(&bar), section, part.HotPattern);
  if (skin_.IsValidImgIndex(part.GlyphMask)) {
    const TsMaskData& glyph = skin_.Masks[static_cast<std::size_t>(part.GlyphMask)];
    const int frameWidth = glyph.R.Width() / std::max<int>(1, glyph.ImageCount);
    const int frameHeight = glyph.R.Height() / (glyph.MaskType + 1);
    const TPoint at = Point(square.Left + (square.Width() - frameWidth) / 2, square.Top + (square.Height() - frameHeight) / 2);
    DrawMaskImage(piece, at, state, MakeCacheInfo(&piece), glyph, 1, skin_.MasterBitmap.get());
  }
  CopyBitmapRect(bar, r.TopLeft(), piece, Rect(0, 0, r.Width(), r.Height()));
}

void TacScrollBarPainter::Fade(Bitmap& bar, const TacBarLook& look) const {
  const TCacheInfo& ci = look.Background;
  if (ci.Ready && ci.Bmp) {
    // The bar keeps 0.4 of itself over the picture under it.
    Bitmap under(bar.width(), bar.height());
    CopyBitmapRect(under, Point(0, 0), *ci.Bmp, Bounds(ci.X + look.Position.X, ci.Y + look.Position.Y, bar.width(), bar.height()));
    BlendTransRect(bar, Point(0, 0), static_cast<TColor>(0xFFFFFFFF), 0.4, Rect(0, 0, under.width() - 1, under.height() - 1),
                   under);
    return;
  }
  const TColor color = look.ParentColor == clFuchsia ? clBtnFace : look.ParentColor;
  BlendColorRect(bar, Rect(0, 0, bar.width() - 1, bar.height() - 1), 60, ColorToRGB(color));
}

Bitmap TacScrollBarPainter::PaintSizeBox(int width, int height, const TCacheInfo& ci, TPoint position,
                                         TColor parentColor, bool withGrip) const {
  Bitmap box(std::max(width, 0), std::max(height, 0));
  if (width <= 0 || height <= 0) return box;
  if (ci.Ready && ci.Bmp) {
    CopyBitmapRect(box, Point(0, 0), *ci.Bmp, Bounds(ci.X + position.X, ci.Y + position.Y, width, height));
  } else {
    FillBitmapRect(box, Rect(0, 0, width, height), ColorToRGB(parentColor == clFuchsia ? clBtnFace : parentColor));
  }
  if (withGrip) {
    const int grip = skin_.GetMaskIndex("GLOBALINFO", "GRIPIMAGE");
    if (skin_.IsValidImgIndex(grip)) {
      const TsMaskData& mask = skin_.Masks[static_cast<std::size_t>(grip)];
      const int frameWidth = mask.R.Width() / std::max<int>(1, mask.ImageCount);
      const int frameHeight = mask.R.Height() / (mask.MaskType + 1);
      DrawMaskImage(box, Point(width - frameWidth, height - frameHeight), 0, MakeCacheInfo(&box), mask, 1,
                    skin_.MasterBitmap.get());
    }
  }
  return box;
}
