#pragma once
// PNG files through libpng: screenshots and previews are written, tests and
// tools read them back.
#include <cstdint>
#include <span>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Result.h"

namespace PngCodec {

// Opaque pictures become 24-bit bitmaps; pictures with transparency become
// 32-bit bitmaps with the alpha value in the fourth byte.
Result<Bitmap> decode(std::span<const std::uint8_t> bytes);
// A 24-bit bitmap becomes an RGB file; a 32-bit bitmap an RGBA file whose
// alpha is the fourth byte when keepFourthByte is set, opaque RGB otherwise.
Result<std::vector<std::uint8_t>> encode(const Bitmap& bitmap, bool keepFourthByte = false);

}  // namespace PngCodec
