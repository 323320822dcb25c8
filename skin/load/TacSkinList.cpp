#include "skin/load/TacSkinList.h"

#include <algorithm>
#include <filesystem>

#include "skin/load/SkinText.h"
#include "skin/load/TacSkinPaths.h"
#include "skin/load/TsStoredSkins.h"

namespace fs = std::filesystem;

namespace TacSkinList {

std::string GetSkinNames(const TsStoredSkins& stored, std::string_view resolvedDirectory, int kind,
                         std::vector<std::string>& names) {
  names.clear();
  std::vector<std::string> work;
  for (int i = 0; i < stored.Count(); ++i) work.push_back(stored[i]->Name);

  const std::string dir = TacSkinPaths::ToNativePath(resolvedDirectory);
  std::error_code ec;
  if (!dir.empty() && fs::is_directory(dir, ec)) {
    // Directory order is not defined; sorting by name keeps the first name stable.
    std::vector<fs::directory_entry> entries;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) entries.push_back(*it);
    std::sort(entries.begin(), entries.end());
    for (const fs::directory_entry& e : entries) {
      const std::string name = e.path().filename().string();
      if (name.empty() || name.front() == '.') continue;
      if (e.is_directory(ec)) {
        if (kind != Packs && fs::is_regular_file(e.path() / "Options.dat", ec)) work.push_back(name);
      } else if (kind != Folders && e.path().extension() == ".asz") {
        work.push_back(name.substr(0, name.find('.')));
      }
    }
  }
  std::string first = work.empty() ? std::string() : work.front();
  std::stable_sort(work.begin(), work.end(), [](const std::string& a, const std::string& b) {
    return SkinText::UpperCase(a) < SkinText::UpperCase(b);
  });
  names = std::move(work);
  return first;
}

}  // namespace TacSkinList
