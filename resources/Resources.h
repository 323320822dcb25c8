#pragma once
// The program's own resources: every file under resources/ (layouts,
// pictures, the stored skin pack, the icon), embedded at build time.
#include "resources/EmbeddedFile.h"

// All embedded resources, sorted by path.
std::span<const EmbeddedFile> EmbeddedResources();

// The bytes of "layouts/TForm1.lfm"-style paths, or nothing when absent.
inline std::optional<std::span<const std::uint8_t>> FindResource(std::string_view path) {
  return FindEmbeddedFile(EmbeddedResources(), path);
}
