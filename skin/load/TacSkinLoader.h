#pragma once
// Runs the three skin loaders in their order (masks, patterns, general data
// with the recolouring) over one load context.
#include "paint/TsSkinContent.h"
#include "skin/load/TacSkinLoadContext.h"

namespace TacSkinLoader {

// Throws ESkinLoadError on a malformed number; the content then holds what
// was loaded before the error.
void Run(TsSkinContent& content, const TacSkinLoadContext& context);

}  // namespace TacSkinLoader
