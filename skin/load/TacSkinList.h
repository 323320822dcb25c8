#pragma once
// The list of skins a user can choose from: the stored skins, the unpacked
// skin folders and the pack files of the skin directory.
#include <string>
#include <string_view>
#include <vector>

class TsStoredSkins;

namespace TacSkinList {

enum Kind { Folders = 0, Packs = 1, FoldersAndPacks = 2 };

// Fills `names` (sorted without regard to case) and answers the first name
// found: stored skins in collection order first, then directory entries.
// Entries starting with "." are skipped; a folder counts when it holds
// "Options.dat", a file when its extension is exactly ".asz" (its name up to
// the first "." is listed).
std::string GetSkinNames(const TsStoredSkins& stored, std::string_view resolvedDirectory, int kind,
                         std::vector<std::string>& names);
// The same over several folders searched in order (the data folders a
// drive-letter skin directory stands for): a name found in an earlier
// folder hides the same name in the later ones, as it does when loading.
std::string GetSkinNames(const TsStoredSkins& stored, const std::vector<std::string>& resolvedDirectories, int kind,
                         std::vector<std::string>& names);

}  // namespace TacSkinList
