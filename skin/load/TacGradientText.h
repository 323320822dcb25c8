#pragma once
// Gradient descriptions of the skin: words separated by ";", five per
// segment (Color1; Color2; Percent; Mode; one word that is skipped).
// Used by the general-data loader and by the hint windows.
#include <string_view>

#include "paint/SkinRecords.h"

namespace TacGradientText {

// Trailing words that do not fill a segment are ignored; percents above 100
// become 100 (below 0 become 0) and unreadable numbers count as 0.
TsGradArray Parse(std::string_view text);

}  // namespace TacGradientText
