#pragma once
// A file compiled into the program (see cmake/TrainerEmbed.cmake) and the
// lookup of one by its relative path in a generated, path-sorted table.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

struct EmbeddedFile {
  std::string_view Path;  // relative to the embedded folder, "/" separated
  const std::uint8_t* Data;
  std::size_t Size;

  std::span<const std::uint8_t> Bytes() const { return {Data, Size}; }
};

// The bytes of the file at `path`, or nothing. Paths compare exactly.
inline std::optional<std::span<const std::uint8_t>> FindEmbeddedFile(std::span<const EmbeddedFile> table,
                                                                     std::string_view path) {
  auto it = std::lower_bound(table.begin(), table.end(), path,
                             [](const EmbeddedFile& file, std::string_view p) { return file.Path < p; });
  if (it == table.end() || it->Path != path) return std::nullopt;
  return it->Bytes();
}
