#pragma once
// The background of a skin item: plain colour, gradient and texture shares
// of its section, and transparency against what lies under the control.
#include <string_view>

#include "paint/CacheInfo.h"
#include "paint/TsSkinContent.h"
#include "platform/Bitmap.h"
#include "platform/Geometry.h"

// Paints the background of section skinIndex (named sectionName) into rect
// of dst. position is the control's place in the parent picture of ci;
// customColor (clFuchsia = none) replaces the section's look with a plain
// colour. state 0 is normal, anything else active (hot, pressed, focused).
// hotTextureIndex and textureIndex may name texture masks chosen by the
// control (-1 = none). Nothing happens without a skin or a valid index.
void PaintItemBg(const TsSkinContent* skin, int skinIndex, std::string_view sectionName, const TCacheInfo& ci,
                 TColor customColor, int hotTextureIndex, int textureIndex, Bitmap& dst, TPoint position,
                 const TRect& rect, int state);
