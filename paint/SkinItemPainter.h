#pragma once
// A whole skin item: the background of its section, its border mask cut in
// nine pieces and up to four corner images. The control-state variant (a
// control's skin data) is a thin layer over PaintItem.
#include <string_view>

#include "paint/CacheInfo.h"
#include "paint/TsSkinContent.h"
#include "platform/Bitmap.h"
#include "platform/Geometry.h"

// Paints section skinIndex (named sectionName) into rect of dst: background
// (no custom colour), the corner images IMGTOPLEFT, IMGTOPRIGHT, IMGBTMLEFT
// and IMGBTMRIGHT, then the section's BORDERSMASK with the parent of ci
// (moved by position) showing through its corners. Nothing is drawn without
// a bitmap, a skin or a valid index, or when rect does not lie inside dst.
void PaintItem(int skinIndex, std::string_view sectionName, TCacheInfo ci, int hotTextureIndex, int textureIndex,
               const TsSkinContent* skin, Bitmap* dst, TPoint position, const TRect& rect, int state, bool fillCentre);

// The section named section, centre filled, into rect of target, with
// target itself as the parent picture; nothing when the skin has no such
// section.
void PaintNamedSection(const TsSkinContent& skin, std::string_view section, Bitmap& target, const TRect& rect,
                       int state);

// The section's background, then the given border mask instead of the
// section's own.
void PaintItemWithMask(int skinIndex, int borderMaskIndex, int textureIndex, const TsSkinContent* skin, Bitmap* dst,
                       TPoint position, const TRect& rect, int state, bool fillCentre, TCacheInfo ci,
                       std::string_view sectionName, int hotTextureIndex);

// The section's corner images IMGTOPLEFT, IMGTOPRIGHT, IMGBTMLEFT and
// IMGBTMRIGHT in the corners of rect, over what dst already holds.
void PaintCornerImages(const TsSkinContent& skin, int skinIndex, std::string_view section, Bitmap& dst,
                       const TRect& rect, int state);

// True when rect lies inside the bitmap (Left, Top at least 0; Right and
// Bottom at most its size).
bool RectInsideBitmap(const TRect& rect, const Bitmap& bmp);
