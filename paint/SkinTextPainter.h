#pragma once
// Captions in a section's font colours with their contour: the text drawn
// once in each contour colour, shifted one pixel left, up, right and down,
// then in the text colour on top.
#include <string_view>

#include "paint/TsSkinContent.h"
#include "platform/Geometry.h"
#include "platform/graphics/DeviceContext.h"

// Draws the contour passes (colours 1..4 of colors, -1 skipping a side) and
// then the text in colour 0, with a transparent background. The context's
// text colour and background mode are restored afterwards.
void DrawContouredText(HDC dc, std::string_view text, const TRect& rect, unsigned format, const TsFontColors& colors);

// The text of section skinIndex: enabled text in the section's font colours
// (the hot ones when hot) with its contour; disabled text in 0.4 of the
// section's text colour mixed with 0.6 of its Color, without contour. The
// text is not clipped to rect. Nothing happens without a skin or with an
// invalid index.
void WriteTextByIndex(HDC dc, std::string_view text, bool enabled, const TsSkinContent* skin, bool hot, int skinIndex,
                      unsigned format, const TRect& rect);
