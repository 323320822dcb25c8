#pragma once
// The folders a skin directory setting stands for on this system. A setting
// with a drive letter ("c:\Skins", the default) names no place on a Linux
// desktop; it stands for the folders where a Linux user puts such files:
// <data folder>/<program's name>/<rest of the setting> in each XDG data
// folder, the user's own first ($XDG_DATA_HOME, by default ~/.local/share),
// then the system's ($XDG_DATA_DIRS, by default /usr/local/share and
// /usr/share). For "c:\Skins" and the program puzzle-trainer the first is
// ~/.local/share/puzzle-trainer/Skins. Any other setting stands for the one
// folder TacSkinPaths::ResolveSkinDirectory makes of it.
#include <string>
#include <string_view>
#include <vector>

namespace TacSkinFolders {

// A skin folder to look in: where a pack file "<name>.asz" would lie (the
// folder as the pack-file test writes it) and the folder itself, resolved.
struct Candidate {
  std::string PackDirectory;
  std::string Folder;
};

// True for "c:", "c:\rest", "C:/rest".
bool HasDriveLetter(std::string_view setting);

// The XDG data folders, in the order they are searched, each without a
// trailing separator: `dataHome` (or `home`/.local/share when empty or not
// absolute), then each absolute entry of the colon-separated `dataDirs` (or
// /usr/local/share and /usr/share when it is empty). Repeats are dropped.
std::vector<std::string> DataFolders(std::string_view dataHome, std::string_view home, std::string_view dataDirs);
// The same from this process's environment.
std::vector<std::string> DataFoldersOfEnvironment();

// The candidates in search order: one per data folder for a drive-letter
// setting, else the setting itself.
std::vector<Candidate> For(std::string_view setting, std::string_view programFolder, std::string_view programName,
                           const std::vector<std::string>& dataFolders);

}  // namespace TacSkinFolders
