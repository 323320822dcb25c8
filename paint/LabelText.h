#pragma once
// The two looks of a disabled label's text under a skin.
#include <string_view>

#include "platform/Color.h"
#include "platform/Geometry.h"
#include "platform/graphics/DeviceContext.h"

// A plain skinned label greys its text toward what lies behind it:
// 0.4 of the font colour and 0.6 of the background, each channel rounded.
TColor DisabledLabelTextColor(TColor fontColor, TColor background);

// The engraved look of a disabled shadowed label: the text one pixel right
// and down in the buttons' highlight colour, then in place in their shadow
// colour, in the font selected on dc. The text colour and background mode
// of dc are left as they were.
void DrawEngravedText(HDC dc, std::string_view text, const TRect& rect, unsigned format);
