#include "platform/PngCodec.h"

#include <cstring>
#include <string>

#include <png.h>

#include "platform/ImageLimits.h"

namespace PngCodec {

Result<Bitmap> decode(std::span<const std::uint8_t> bytes) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()))
    return Error{std::string("PNG: ") + image.message};
  const std::uint64_t pixels = std::uint64_t{image.width} * image.height;
  if (image.width == 0 || image.height == 0 || pixels > kMaxDecodedPixels) {
    png_image_free(&image);
    return Error{"PNG: image too large"};
  }
  const bool alpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
  image.format = alpha ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;
  Bitmap bmp = Bitmap::AtScale(1, static_cast<int>(image.width), static_cast<int>(image.height),
                               alpha ? PixelFormat::Bgrx32 : PixelFormat::Bgr24);
  if (!png_image_finish_read(&image, nullptr, bmp.bits(), static_cast<png_int_32>(bmp.delta()), nullptr))
    return Error{std::string("PNG: ") + image.message};
  return bmp;
}

Result<std::vector<std::uint8_t>> encode(const Bitmap& bitmap, bool keepFourthByte) {
  if (bitmap.empty()) return Error{"PNG: empty bitmap"};
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(bitmap.deviceWidth());
  image.height = static_cast<png_uint_32>(bitmap.deviceHeight());

  // libpng wants rows of whole pixels; a 32-bit bitmap written without its
  // fourth byte is first packed into 24-bit rows.
  Bitmap packed;
  const Bitmap* source = &bitmap;
  if (bitmap.format() == PixelFormat::Bgrx32 && keepFourthByte) {
    image.format = PNG_FORMAT_BGRA;
  } else {
    image.format = PNG_FORMAT_BGR;
    if (bitmap.format() == PixelFormat::Bgrx32) {
      packed = Bitmap::AtScale(bitmap.scale(), bitmap.width(), bitmap.height());
      for (int y = 0; y < bitmap.deviceHeight(); ++y) {
        const std::uint8_t* src = bitmap.row(y);
        std::uint8_t* dst = packed.row(y);
        for (int x = 0; x < bitmap.deviceWidth(); ++x, src += 4, dst += 3) std::memcpy(dst, src, 3);
      }
      source = &packed;
    }
  }
  // A negative distance tells libpng the buffer starts with the bottom row.
  const png_int_32 rowStride = static_cast<png_int_32>(source->delta());
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, source->bits(), rowStride, nullptr))
    return Error{std::string("PNG: ") + image.message};
  std::vector<std::uint8_t> out(size);
  if (!png_image_write_to_memory(&image, out.data(), &size, 0, source->bits(), rowStride, nullptr))
    return Error{std::string("PNG: ") + image.message};
  out.resize(size);
  return out;
}

}  // namespace PngCodec
