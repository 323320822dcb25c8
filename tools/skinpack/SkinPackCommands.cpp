#include "tools/skinpack/SkinPackCommands.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "platform/FileBytes.h"
#include "skin/load/ESkinLoadError.h"
#include "skin/load/SkinText.h"
#include "skin/load/TacSkinConvertor.h"
#include "skin/load/TacSkinPackWriter.h"
#include "tools/skinpack/SkinChecker.h"

namespace fs = std::filesystem;

namespace SkinPackCommands {

namespace {

// Reads and parses a pack; prints the reason and answers false when it cannot.
bool ReadPack(const std::string& path, TacSkinConvertor& reader) {
  switch (reader.OpenFile(path)) {
    case TacSkinConvertor::OpenResult::Missing:
      std::fprintf(stderr, "skinpack: %s: no such file\n", path.c_str());
      return false;
    case TacSkinConvertor::OpenResult::NotPacked:
      std::fprintf(stderr, "skinpack: %s: %s\n", path.c_str(), std::string(TacSkinConvertor::kNotPackedMessage).c_str());
      return false;
    case TacSkinConvertor::OpenResult::Parsed:
      return true;
  }
  return false;
}

// Names inside a pack come from outside; only plain names may become files.
bool IsSafeFileName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\") == std::string::npos &&
         name.find('\0') == std::string::npos;
}

std::vector<std::string> DefaultPackOrder(const std::string& dir) {
  std::vector<std::string> names;
  for (const fs::directory_entry& e : fs::directory_iterator(dir)) {
    if (e.is_regular_file()) names.push_back(e.path().filename().string());
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const bool aOptions = SkinText::SameText(a, "Options.dat");
    const bool bOptions = SkinText::SameText(b, "Options.dat");
    if (aOptions != bOptions) return aOptions;
    const std::string ua = SkinText::UpperCase(a), ub = SkinText::UpperCase(b);
    return ua != ub ? ua < ub : a < b;
  });
  return names;
}

}  // namespace

int List(const std::string& pack) {
  TacSkinConvertor reader;
  if (!ReadPack(pack, reader)) return 1;
  if (const auto* options = reader.Options()) std::printf("%10zu  Options.dat (options file)\n", options->size());
  for (const TacPackedFile& f : reader.PackedFiles()) {
    std::printf("%10zu  %s%s\n", f.Data.size(), f.FileName.c_str(), f.IsBitmap ? "" : " (not a bitmap)");
  }
  std::printf("%zu bytes parsed\n", reader.ConsumedBytes());
  return 0;
}

int Unpack(const std::string& pack, const std::string& dir) {
  TacSkinConvertor reader;
  if (!ReadPack(pack, reader)) return 1;
  fs::create_directories(dir);
  auto write = [&](const std::string& name, const std::vector<std::uint8_t>& data) {
    if (!IsSafeFileName(name)) {
      std::fprintf(stderr, "skinpack: refusing to write the packed name \"%s\"\n", name.c_str());
      return false;
    }
    // A link already in the folder would carry the bytes elsewhere.
    const fs::path path = fs::path(dir) / name;
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    if (fs::exists(status) && !fs::is_regular_file(status)) {
      std::fprintf(stderr, "skinpack: refusing to write through \"%s\": not a plain file\n", path.string().c_str());
      return false;
    }
    Result<void> r = FileBytes::write(path.string(), data);
    if (!r) std::fprintf(stderr, "skinpack: %s\n", r.error().c_str());
    return r.ok();
  };
  bool ok = true;
  if (const auto* options = reader.Options()) ok = write("Options.dat", *options) && ok;
  for (const TacPackedFile& f : reader.PackedFiles()) ok = write(f.FileName, f.Data) && ok;
  return ok ? 0 : 1;
}

int Pack(const std::string& dir, const std::string& pack, const std::vector<std::string>& files) {
  const std::vector<std::string> names = files.empty() ? DefaultPackOrder(dir) : files;
  TacSkinPackWriter writer;
  for (const std::string& name : names) {
    Result<std::vector<std::uint8_t>> bytes = FileBytes::read((fs::path(dir) / name).string());
    if (!bytes) {
      std::fprintf(stderr, "skinpack: %s\n", bytes.error().c_str());
      return 1;
    }
    writer.Add(fs::path(name).filename().string(), bytes.value());
  }
  const std::vector<std::uint8_t> packed = writer.Build();
  Result<void> r = FileBytes::write(pack, packed);
  if (!r) {
    std::fprintf(stderr, "skinpack: %s\n", r.error().c_str());
    return 1;
  }
  std::printf("%s: %zu files, %zu bytes\n", pack.c_str(), names.size(), packed.size());
  return 0;
}

int Check(const std::string& packOrDir) {
  SkinChecker checker;
  const std::vector<std::string> problems = checker.Check(packOrDir);
  for (const std::string& remark : checker.Remarks()) std::printf("note: %s\n", remark.c_str());
  for (const std::string& problem : problems) std::printf("problem: %s\n", problem.c_str());
  std::printf("%s: %zu problem(s)\n", packOrDir.c_str(), problems.size());
  return problems.empty() ? 0 : 1;
}

}  // namespace SkinPackCommands
