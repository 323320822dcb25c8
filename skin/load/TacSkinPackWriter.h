#pragma once
// Builds a skin pack ("ASzf" container) from named files, in the order they
// are added. Each file becomes one zlib stream at the default level (header
// bytes 78 9C), as the program's own pack is written. Used by the tools.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

class TacSkinPackWriter {
 public:
  // Names must be plain file names: no directory part, at most 255 bytes.
  // Throws std::invalid_argument otherwise.
  void Add(const std::string& name, std::span<const std::uint8_t> data);
  std::vector<std::uint8_t> Build() const;

 private:
  struct Entry {
    std::string name;
    std::vector<std::uint8_t> data;
  };
  std::vector<Entry> entries_;
};
