#pragma once
// Measuring and drawing a skinned button's caption in its cache: the
// button's font on a transparent brush, the section's font colours (the hot
// ones when hot) with their contour, or the button's own font colour when
// its skin state keeps a custom font.
#include <string>

#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TFont.h"
#include "platform/Geometry.h"

class TsCommonData;

// The size the caption takes in a box `boxWidth` wide (0 x 0 for an empty
// caption or box), measured with `format` and DT_CALCRECT.
TSize MeasureButtonCaption(TBitmap& cache, const TFont& font, const std::string& caption, int boxWidth,
                           unsigned format);

void DrawButtonCaption(TBitmap& cache, const TFont& font, const std::string& caption, const TRect& rect,
                       unsigned format, bool enabled, bool hot, const TsCommonData& skinData);
