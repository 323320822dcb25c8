// Fuzz target for the JPEG reader: any bytes give a bitmap of the size the
// header states or an error, never a read outside the input.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/JpegCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Result<Bitmap> bitmap = JpegCodec::decode(std::span<const std::uint8_t>(data, size));
  if (bitmap && bitmap.value().width() > 0 && bitmap.value().height() > 0) {
    // Touch the corners: the rows must really be there.
    (void)bitmap.value().pixel(0, 0);
    (void)bitmap.value().pixel(bitmap.value().width() - 1, bitmap.value().height() - 1);
  }
  return 0;
}
