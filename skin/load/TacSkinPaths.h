#pragma once
// Skin directory and file-name rules. Settings are written in the program's
// classic notation ("c:\Skins", "..\Skins"); "/" and "\" are accepted alike
// everywhere, and names are turned into native paths only when the file
// system is touched.
#include <string>
#include <string_view>

namespace TacSkinPaths {

// The directory as the pack-file test uses it: empty stays empty, a trailing
// "\" stays, a trailing "/" becomes "\", a single character gets ":\", any
// other value gets "\" appended.
std::string NormalizeSkinDirectory(std::string_view dir);
// NormalizeSkinDirectory(dir) + skinName + ".asz".
std::string PackFileName(std::string_view dir, std::string_view skinName);

// The skin directory setting made absolute against the program's folder
// (given with its trailing separator): "..\rest" goes to the parent folder,
// ".\rest" and "./rest" to the folder itself, a name without drive, leading
// "\\" or leading "/" is put under it, anything else is used as written.
// No trailing separator is added.
std::string ResolveSkinDirectory(std::string_view setting, std::string_view programFolder);

// A file name of the options file is absolute when it holds a drive colon
// or starts with a separator; otherwise it is taken relative to the skin path.
bool IsAbsoluteName(std::string_view name);
// skinPath + name unless the name is absolute.
std::string SkinFileName(std::string_view skinPath, std::string_view name);

// "\" replaced by "/", for the file system.
std::string ToNativePath(std::string_view path);
bool FileExists(std::string_view path);
bool DirectoryExists(std::string_view path);

// Folder of the running program with its trailing "/".
std::string ProgramFolder();
// The running program's file name ("puzzle-trainer").
std::string ProgramName();

}  // namespace TacSkinPaths
