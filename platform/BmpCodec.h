#pragma once
// Windows BMP files.
//
// Reading accepts 1, 4, 8, 24 and 32 bits per pixel, stored bottom-up or
// top-down, with the core (OS/2), info, V4 and V5 headers. Palette formats and
// 24-bit files become 24-bit bitmaps; 32-bit files become 32-bit bitmaps that
// keep the fourth byte of every pixel. 16-bit and run-length compressed files
// are refused. Every size in the file is checked against the bytes present
// before anything is allocated, so malformed input yields an error.
//
// Writing produces a bottom-up 24-bit file with an info header.
#include <cstdint>
#include <span>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Result.h"

namespace BmpCodec {

Result<Bitmap> decode(std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> encode(const Bitmap& bitmap);

}  // namespace BmpCodec
