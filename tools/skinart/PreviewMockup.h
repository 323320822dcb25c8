#pragma once
// A rough picture of a window in the Birch skin, for judging the artwork
// while drawing it: the pieces are composed much as the painting engine will
// compose them (nine-piece borders through their masks, section gradients,
// glyphs by state), without text. It is no substitute for the engine's own
// preview; it only lets the artist see the parts together.
#include <vector>

#include "platform/Bitmap.h"
#include "tools/skinart/MasterPiece.h"
#include "tools/skinart/OptionsText.h"

namespace PreviewMockup {

Bitmap window(const std::vector<MasterPiece>& pieces, const Bitmap& decoration, const OptionsText& options);

}  // namespace PreviewMockup
