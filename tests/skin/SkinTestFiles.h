#pragma once
// Builders for the small skins the skin tests load: bitmaps and JPEGs in
// memory, packs made with the real pack writer, and temporary folders.
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "platform/Bitmap.h"

namespace SkinTestFiles {

using Bytes = std::vector<std::uint8_t>;

// A 24-bit bitmap of the size, filled with a colour.
Bitmap Filled(int width, int height, TColor color);
Bytes BmpFile(int width, int height, TColor color = 0x3366CC);
Bytes JpegFile(int width, int height, TColor color = 0x3366CC);
Bytes Text(const std::string& text);
// A pack of the named files in the given order.
Bytes Pack(const std::vector<std::pair<std::string, Bytes>>& files);
// Appends v as the pack stores its numbers (four bytes, least first).
void PutU32(Bytes& out, std::uint32_t v);
// A pack of `count` entries whose first entry is written by hand (its name,
// the size it states and its stream as given), for damaged packs.
Bytes RawPack(std::uint32_t count, const std::string& name, std::uint32_t size, const Bytes& stream);
// The bytes deflated by zlib at its default level.
Bytes Deflate(const Bytes& data);

// A fresh empty folder under the system's temporary folder, removed when
// the object goes away.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  // Writes a file (creating folders) and answers its path.
  std::filesystem::path Write(const std::string& relative, const Bytes& bytes) const;

 private:
  std::filesystem::path path_;
};

}  // namespace SkinTestFiles
