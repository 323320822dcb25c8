#include "platform/JpegCodec.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <jerror.h>
#include <jpeglib.h>

#include "platform/ImageLimits.h"

namespace {

// libjpeg reports fatal errors by calling error_exit, which must not return;
// we jump back to the entry point instead of letting it end the process.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  std::string message;
};

[[noreturn]] void onFatalError(j_common_ptr info) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  char text[JMSG_LENGTH_MAX] = {};
  errors->base.format_message(info, text);
  errors->message = text;
  std::longjmp(errors->jump, 1);
}

// Warnings are quiet, except data ending early: that picture would come out
// half grey, so it counts as broken.
void onMessage(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) onFatalError(info);
}

void installErrorManager(ErrorManager& errors) {
  jpeg_std_error(&errors.base);
  errors.base.error_exit = onFatalError;
  errors.base.emit_message = onMessage;
}

// Adobe writes CMYK inverted; this turns one such row into blue, green, red.
void cmykRowToBgr(const std::uint8_t* cmyk, std::uint8_t* bgr, int width) {
  for (int x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
    const int k = cmyk[3];
    bgr[0] = static_cast<std::uint8_t>(cmyk[2] * k / 255);
    bgr[1] = static_cast<std::uint8_t>(cmyk[1] * k / 255);
    bgr[2] = static_cast<std::uint8_t>(cmyk[0] * k / 255);
  }
}

// The parts of decoding that may long-jump live in functions without C++
// objects that need destructors, so a jump never skips one.
bool readHeader(jpeg_decompress_struct& info, ErrorManager& errors, const std::uint8_t* data, std::size_t size) {
  if (setjmp(errors.jump)) return false;
  jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
  jpeg_read_header(&info, TRUE);
  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGR;
  return true;
}

bool readPixels(jpeg_decompress_struct& info, ErrorManager& errors, Bitmap& bmp, std::uint8_t* cmykRow) {
  if (setjmp(errors.jump)) return false;
  jpeg_start_decompress(&info);
  while (info.output_scanline < info.output_height) {
    const int y = static_cast<int>(info.output_scanline);
    JSAMPROW target = cmykRow ? cmykRow : bmp.row(y);
    jpeg_read_scanlines(&info, &target, 1);
    if (cmykRow) cmykRowToBgr(cmykRow, bmp.row(y), bmp.width());
  }
  jpeg_finish_decompress(&info);
  return true;
}

bool writePixels(jpeg_compress_struct& info, ErrorManager& errors, const Bitmap& bmp, int quality) {
  if (setjmp(errors.jump)) return false;
  info.image_width = static_cast<JDIMENSION>(bmp.deviceWidth());
  info.image_height = static_cast<JDIMENSION>(bmp.deviceHeight());
  info.input_components = bmp.bytesPerPixel();
  info.in_color_space = bmp.bytesPerPixel() == 3 ? JCS_EXT_BGR : JCS_EXT_BGRX;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW source = const_cast<std::uint8_t*>(bmp.row(static_cast<int>(info.next_scanline)));
    jpeg_write_scanlines(&info, &source, 1);
  }
  jpeg_finish_compress(&info);
  return true;
}

}  // namespace

namespace JpegCodec {

Result<Bitmap> decode(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return Error{"JPEG: no data"};
  ErrorManager errors;
  jpeg_decompress_struct info{};
  info.err = &errors.base;
  installErrorManager(errors);
  jpeg_create_decompress(&info);

  Bitmap bmp;
  std::vector<std::uint8_t> cmykRow;
  bool ok = readHeader(info, errors, bytes.data(), bytes.size());
  if (ok) {
    const std::uint64_t pixels = std::uint64_t{info.image_width} * info.image_height;
    if (info.image_width == 0 || info.image_height == 0 || pixels > kMaxDecodedPixels) {
      errors.message = "image too large";
      ok = false;
    } else {
      bmp = Bitmap::AtScale(1, static_cast<int>(info.image_width), static_cast<int>(info.image_height));
      if (info.out_color_space == JCS_CMYK) cmykRow.resize(std::size_t{info.image_width} * 4);
      ok = readPixels(info, errors, bmp, cmykRow.empty() ? nullptr : cmykRow.data());
    }
  }
  jpeg_destroy_decompress(&info);
  if (!ok) return Error{"JPEG: " + errors.message};
  return bmp;
}

Result<std::vector<std::uint8_t>> encode(const Bitmap& bitmap, int quality) {
  if (bitmap.empty()) return Error{"JPEG: empty bitmap"};
  ErrorManager errors;
  jpeg_compress_struct info{};
  info.err = &errors.base;
  installErrorManager(errors);
  jpeg_create_compress(&info);

  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  const bool ok = writePixels(info, errors, bitmap, std::clamp(quality, 1, 100));
  jpeg_destroy_compress(&info);

  std::vector<std::uint8_t> out;
  if (ok && buffer) out.assign(buffer, buffer + size);
  std::free(buffer);
  if (!ok) return Error{"JPEG: " + errors.message};
  return out;
}

}  // namespace JpegCodec
