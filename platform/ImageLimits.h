#pragma once
#include <cstdint>

// The largest picture the PNG and JPEG readers accept, refused before the
// pixel buffer is made: a few hundred bytes of a compressed file can announce
// a 65535 x 65535 image.
inline constexpr std::uint64_t kMaxDecodedPixels = std::uint64_t{1} << 26;
