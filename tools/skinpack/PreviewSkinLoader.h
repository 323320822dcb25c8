#pragma once
// Loads a skin for the preview: a pack file or an unpacked skin folder,
// read with the program's own loaders into a TsSkinContent.
#include <string>
#include <vector>

#include "paint/TsSkinContent.h"
#include "platform/Result.h"

namespace PreviewSkinLoader {

// The loaded skin, or the reason it cannot be shown (missing file, not a
// pack, no options file, malformed number, no sections). Pictures that
// exist but do not decode are not fatal: they are added to `notes`.
Result<TsSkinContent> Load(const std::string& packOrFolder, std::vector<std::string>* notes = nullptr);

}  // namespace PreviewSkinLoader
