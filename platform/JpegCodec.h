#pragma once
// JPEG pictures through libjpeg. Corrupt or truncated data is reported as an
// error (libjpeg's fatal errors are caught, never allowed to end the process).
#include <cstdint>
#include <span>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Result.h"

namespace JpegCodec {

// Decodes colour, grey-scale and CMYK JPEGs into a 24-bit bitmap.
Result<Bitmap> decode(std::span<const std::uint8_t> bytes);
// Encodes a 24- or 32-bit bitmap (the fourth byte is ignored); quality 1..100.
Result<std::vector<std::uint8_t>> encode(const Bitmap& bitmap, int quality = 90);

}  // namespace JpegCodec
