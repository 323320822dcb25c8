#include "skin/load/TacSkinFolders.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "skin/load/TacSkinPaths.h"

namespace TacSkinFolders {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

std::string WithoutTrailingSeparators(std::string_view path) {
  while (path.size() > 1 && IsSeparator(path.back())) path.remove_suffix(1);
  return std::string(path);
}

void AddOnce(std::vector<std::string>& folders, std::string folder) {
  if (std::find(folders.begin(), folders.end(), folder) == folders.end()) folders.push_back(std::move(folder));
}

}  // namespace

bool HasDriveLetter(std::string_view setting) {
  return setting.size() >= 2 && std::isalpha(static_cast<unsigned char>(setting[0])) && setting[1] == ':';
}

std::vector<std::string> DataFolders(std::string_view dataHome, std::string_view home, std::string_view dataDirs) {
  std::vector<std::string> folders;
  // Relative values are invalid in the XDG rules and are ignored.
  if (!dataHome.empty() && dataHome.front() == '/') AddOnce(folders, WithoutTrailingSeparators(dataHome));
  else if (!home.empty() && home.front() == '/') AddOnce(folders, WithoutTrailingSeparators(home) + "/.local/share");
  if (dataDirs.empty()) dataDirs = "/usr/local/share/:/usr/share/";
  while (!dataDirs.empty()) {
    const std::size_t colon = dataDirs.find(':');
    const std::string_view entry = dataDirs.substr(0, colon);
    if (!entry.empty() && entry.front() == '/') AddOnce(folders, WithoutTrailingSeparators(entry));
    if (colon == std::string_view::npos) break;
    dataDirs.remove_prefix(colon + 1);
  }
  return folders;
}

std::vector<std::string> DataFoldersOfEnvironment() {
  const auto get = [](const char* name) {
    const char* value = std::getenv(name);
    return std::string_view(value ? value : "");
  };
  return DataFolders(get("XDG_DATA_HOME"), get("HOME"), get("XDG_DATA_DIRS"));
}

std::vector<Candidate> For(std::string_view setting, std::string_view programFolder, std::string_view programName,
                           const std::vector<std::string>& dataFolders) {
  if (!HasDriveLetter(setting)) return {{std::string(setting), TacSkinPaths::ResolveSkinDirectory(setting, programFolder)}};
  std::string_view rest = setting.substr(2);
  while (!rest.empty() && IsSeparator(rest.front())) rest.remove_prefix(1);
  std::vector<Candidate> candidates;
  for (const std::string& data : dataFolders) {
    std::string folder = data + "/" + std::string(programName);
    if (!rest.empty()) folder += "/" + WithoutTrailingSeparators(TacSkinPaths::ToNativePath(rest));
    candidates.push_back({folder, folder});
  }
  return candidates;
}

}  // namespace TacSkinFolders
