#include "skin/load/TacSkinPaths.h"

#include <filesystem>

namespace TacSkinPaths {

namespace {
bool IsSeparator(char c) { return c == '\\' || c == '/'; }
bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }
}  // namespace

std::string NormalizeSkinDirectory(std::string_view dir) {
  std::string r(dir);
  if (r.empty()) return r;
  if (r.back() == '\\') return r;
  if (r.back() == '/') {
    r.back() = '\\';
    return r;
  }
  if (r.size() == 1) return r + ":\\";
  return r + "\\";
}

std::string PackFileName(std::string_view dir, std::string_view skinName) {
  return NormalizeSkinDirectory(dir) + std::string(skinName) + ".asz";
}

std::string ResolveSkinDirectory(std::string_view setting, std::string_view programFolder) {
  if (StartsWith(setting, "..")) {
    // Parent of the program's folder, keeping its trailing separator.
    std::string parent(programFolder);
    if (!parent.empty()) parent.pop_back();
    while (!parent.empty() && !IsSeparator(parent.back())) parent.pop_back();
    return parent + std::string(setting.size() > 3 ? setting.substr(3) : std::string_view{});
  }
  if (StartsWith(setting, ".\\") || StartsWith(setting, "./"))
    return std::string(programFolder) + std::string(setting.substr(2));
  if (!IsAbsoluteName(setting)) return std::string(programFolder) + std::string(setting);
  return std::string(setting);
}

bool IsAbsoluteName(std::string_view name) {
  if (name.find(':') != std::string_view::npos) return true;
  if (name.find("\\\\") != std::string_view::npos || StartsWith(name, "//")) return true;
  // A leading "/" is the root of a POSIX file system.
  return StartsWith(name, "/");
}

std::string SkinFileName(std::string_view skinPath, std::string_view name) {
  if (IsAbsoluteName(name)) return std::string(name);
  return std::string(skinPath) + std::string(name);
}

std::string ToNativePath(std::string_view path) {
  std::string r(path);
  for (char& c : r) {
    if (c == '\\') c = '/';
  }
  return r;
}

bool FileExists(std::string_view path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(ToNativePath(path), ec);
}

bool DirectoryExists(std::string_view path) {
  std::error_code ec;
  return std::filesystem::is_directory(ToNativePath(path), ec);
}

std::string ProgramFolder() {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return "./";
  std::string folder = exe.parent_path().string();
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

std::string ProgramName() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : exe.filename().string();
}

}  // namespace TacSkinPaths
