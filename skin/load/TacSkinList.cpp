#include "skin/load/TacSkinList.h"

#include <algorithm>
#include <filesystem>

#include "skin/load/SkinText.h"
#include "skin/load/TacSkinPaths.h"
#include "skin/load/TsStoredSkins.h"

namespace fs = std::filesystem;

namespace TacSkinList {

namespace {

// The skins of one folder, in name order (directory order is not defined;
// sorting keeps the first name stable).
std::vector<std::string> SkinsIn(std::string_view resolvedDirectory, int kind) {
  std::vector<std::string> found;
  const std::string dir = TacSkinPaths::ToNativePath(resolvedDirectory);
  std::error_code ec;
  if (dir.empty() || !fs::is_directory(dir, ec)) return found;
  std::vector<fs::directory_entry> entries;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) entries.push_back(*it);
  std::sort(entries.begin(), entries.end());
  for (const fs::directory_entry& e : entries) {
    const std::string name = e.path().filename().string();
    if (name.empty() || name.front() == '.') continue;
    if (e.is_directory(ec)) {
      if (kind != Packs && fs::is_regular_file(e.path() / "Options.dat", ec)) found.push_back(name);
    } else if (kind != Folders && e.path().extension() == ".asz") {
      found.push_back(name.substr(0, name.find('.')));
    }
  }
  return found;
}

}  // namespace

std::string GetSkinNames(const TsStoredSkins& stored, std::string_view resolvedDirectory, int kind,
                         std::vector<std::string>& names) {
  return GetSkinNames(stored, std::vector<std::string>{std::string(resolvedDirectory)}, kind, names);
}

std::string GetSkinNames(const TsStoredSkins& stored, const std::vector<std::string>& resolvedDirectories, int kind,
                         std::vector<std::string>& names) {
  names.clear();
  std::vector<std::string> work;
  for (int i = 0; i < stored.Count(); ++i) work.push_back(stored[i]->Name);

  std::vector<std::string> earlier;
  for (const std::string& directory : resolvedDirectories) {
    const std::vector<std::string> here = SkinsIn(directory, kind);
    for (const std::string& name : here)
      if (std::find(earlier.begin(), earlier.end(), name) == earlier.end()) work.push_back(name);
    earlier.insert(earlier.end(), here.begin(), here.end());
  }
  std::string first = work.empty() ? std::string() : work.front();
  std::stable_sort(work.begin(), work.end(), [](const std::string& a, const std::string& b) {
    return SkinText::UpperCase(a) < SkinText::UpperCase(b);
  });
  names = std::move(work);
  return first;
}

}  // namespace TacSkinList
