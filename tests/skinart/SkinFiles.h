#pragma once
// Reading the produced Birch skin for the checks: the folder's files, the
// image entries of its options file (parsed by the loader's fixed columns),
// and the files inside the committed pack.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Geometry.h"

namespace SkinFiles {

std::string folder();    // resources/skin/Birch
std::string packPath();  // resources/skins/Birch.asz

std::vector<std::uint8_t> readBytes(const std::string& path);
std::string readText(const std::string& path);
Bitmap readBitmap(const std::string& path);

// An image entry of the master bitmap ("^", "@" or "~"), read column by
// column as the skin loader reads it.
struct MasterEntry {
  char notation = 0;
  TRect r;
  int imageCount = 0, maskType = 0, stretchMode = 0, borderWidth = 0;
  int wl = 0, wt = 0, wr = 0, wb = 0;
};
std::optional<MasterEntry> parseMasterEntry(const std::string& value);

struct PackedFile {
  std::string name;
  std::vector<std::uint8_t> bytes;
};
// The files of an "ASzf" pack in order; empty when the pack is malformed.
std::vector<PackedFile> unpack(const std::vector<std::uint8_t>& pack);

}  // namespace SkinFiles
