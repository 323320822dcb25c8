#pragma once
// Whole-file reads and writes for the image codecs and the build tools.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/Result.h"

namespace FileBytes {

// The file's bytes; an error when it cannot be opened or read.
Result<std::vector<std::uint8_t>> read(const std::string& path);
// Replaces the file with the bytes.
Result<void> write(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace FileBytes
