#include "platform/BmpCodec.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// Largest side we accept; real skin and picture files are far smaller.
constexpr std::int64_t kMaxSide = 32768;

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kBiAlphaBitfields = 6;

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;

std::uint16_t readU16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t readU32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::int32_t readS32(const std::uint8_t* p) { return static_cast<std::int32_t>(readU32(p)); }

void writeU16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void writeU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  writeU16(out, v & 0xFFFF);
  writeU16(out, v >> 16);
}

// What the headers say, after validation.
struct BmpLayout {
  std::int64_t width = 0;
  std::int64_t height = 0;  // always positive here
  bool bottomUp = true;
  int bitCount = 0;
  std::size_t pixelOffset = 0;
  std::size_t rowBytes = 0;
  std::size_t paletteOffset = 0;
  std::size_t paletteEntries = 0;
  std::size_t paletteEntrySize = 4;
};

Result<BmpLayout> readLayout(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kFileHeaderSize + 4) return Error{"BMP: file too short"};
  if (bytes[0] != 'B' || bytes[1] != 'M') return Error{"BMP: missing 'BM' signature"};
  const std::uint8_t* d = bytes.data();
  BmpLayout l;
  l.pixelOffset = readU32(d + 10);
  const std::uint32_t headerSize = readU32(d + kFileHeaderSize);
  if (headerSize != kCoreHeaderSize && headerSize < kInfoHeaderSize) return Error{"BMP: unknown header size"};
  if (headerSize > bytes.size() - kFileHeaderSize) return Error{"BMP: header truncated"};
  const std::uint8_t* h = d + kFileHeaderSize;

  std::uint32_t compression = kBiRgb;
  std::uint32_t colorsUsed = 0;
  std::int64_t rawHeight = 0;
  int planes = 0;
  if (headerSize == kCoreHeaderSize) {
    l.width = readU16(h + 4);
    rawHeight = readU16(h + 6);
    planes = readU16(h + 8);
    l.bitCount = readU16(h + 10);
    l.paletteEntrySize = 3;
  } else {
    l.width = readS32(h + 4);
    rawHeight = readS32(h + 8);
    planes = readU16(h + 12);
    l.bitCount = readU16(h + 14);
    compression = readU32(h + 16);
    colorsUsed = readU32(h + 32);
  }
  if (planes != 1) return Error{"BMP: plane count is not 1"};
  l.bottomUp = rawHeight > 0;
  l.height = rawHeight < 0 ? -rawHeight : rawHeight;
  if (l.width <= 0 || l.height <= 0) return Error{"BMP: empty or negative size"};
  if (l.width > kMaxSide || l.height > kMaxSide) return Error{"BMP: image too large"};

  switch (l.bitCount) {
    case 1:
    case 4:
    case 8:
    case 24:
      if (compression != kBiRgb) return Error{"BMP: compressed files are not supported"};
      break;
    case 32:
      if (compression == kBiBitfields || compression == kBiAlphaBitfields) {
        // Masks follow an info header, or sit inside the V2..V5 headers.
        std::size_t maskOffset = kFileHeaderSize + 40;
        if (maskOffset + 12 > bytes.size()) return Error{"BMP: colour masks truncated"};
        if (readU32(d + maskOffset) != 0xFF0000 || readU32(d + maskOffset + 4) != 0xFF00 ||
            readU32(d + maskOffset + 8) != 0xFF)
          return Error{"BMP: unsupported colour masks"};
      } else if (compression != kBiRgb) {
        return Error{"BMP: compressed files are not supported"};
      }
      break;
    case 16:
      return Error{"BMP: 16-bit files are not supported"};
    default:
      return Error{"BMP: unsupported bit count"};
  }

  if (l.bitCount <= 8) {
    const std::size_t maxEntries = std::size_t{1} << l.bitCount;
    l.paletteEntries = colorsUsed == 0 ? maxEntries : std::min<std::size_t>(colorsUsed, maxEntries);
    l.paletteOffset = kFileHeaderSize + headerSize;
    if (headerSize == kInfoHeaderSize && compression == kBiBitfields) l.paletteOffset += 12;
    // Some writers store fewer entries than they announce; take what lies
    // before the pixels and let missing indexes read as black.
    if (l.pixelOffset > l.paletteOffset)
      l.paletteEntries = std::min(l.paletteEntries, (l.pixelOffset - l.paletteOffset) / l.paletteEntrySize);
    if (l.paletteOffset + l.paletteEntries * l.paletteEntrySize > bytes.size())
      return Error{"BMP: palette truncated"};
  }

  l.rowBytes = static_cast<std::size_t>((l.width * l.bitCount + 31) / 32 * 4);
  if (l.pixelOffset < kFileHeaderSize + headerSize || l.pixelOffset > bytes.size())
    return Error{"BMP: pixel offset outside the file"};
  // Checking the pixel array against the data first bounds every allocation
  // by a small multiple of the input size.
  const std::size_t available = bytes.size() - l.pixelOffset;
  if (l.rowBytes != 0 && static_cast<std::size_t>(l.height) > available / l.rowBytes)
    return Error{"BMP: pixel data truncated"};
  return l;
}

}  // namespace

namespace BmpCodec {

Result<Bitmap> decode(std::span<const std::uint8_t> bytes) {
  Result<BmpLayout> layout = readLayout(bytes);
  if (!layout) return Error{layout.error()};
  const BmpLayout& l = layout.value();
  const int width = static_cast<int>(l.width);
  const int height = static_cast<int>(l.height);

  Bitmap bmp = Bitmap::AtScale(1, width, height, l.bitCount == 32 ? PixelFormat::Bgrx32 : PixelFormat::Bgr24, l.bottomUp);
  std::array<std::uint8_t, 256 * 3> palette{};  // b, g, r; missing entries stay black
  for (std::size_t i = 0; i < l.paletteEntries; ++i)
    std::memcpy(&palette[i * 3], bytes.data() + l.paletteOffset + i * l.paletteEntrySize, 3);

  const std::size_t copyBytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(bmp.bytesPerPixel());
  for (int y = 0; y < height; ++y) {
    const int fileRow = l.bottomUp ? height - 1 - y : y;
    const std::uint8_t* src = bytes.data() + l.pixelOffset + static_cast<std::size_t>(fileRow) * l.rowBytes;
    std::uint8_t* dst = bmp.row(y);
    if (l.bitCount >= 24) {
      std::memcpy(dst, src, copyBytes);
      continue;
    }
    const int bits = l.bitCount;
    const int perByte = 8 / bits;
    const int mask = (1 << bits) - 1;
    for (int x = 0; x < width; ++x) {
      const int shift = 8 - bits * (x % perByte + 1);
      const int index = (src[x / perByte] >> shift) & mask;
      std::memcpy(dst + x * 3, &palette[static_cast<std::size_t>(index) * 3], 3);
    }
  }
  return bmp;
}

std::vector<std::uint8_t> encode(const Bitmap& bitmap) {
  const int width = bitmap.deviceWidth();
  const int height = bitmap.deviceHeight();
  const std::size_t rowBytes = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
  const std::size_t pixelBytes = rowBytes * static_cast<std::size_t>(height);
  const std::size_t offset = kFileHeaderSize + kInfoHeaderSize;

  std::vector<std::uint8_t> out;
  out.reserve(offset + pixelBytes);
  out.push_back('B');
  out.push_back('M');
  writeU32(out, static_cast<std::uint32_t>(offset + pixelBytes));
  writeU32(out, 0);
  writeU32(out, static_cast<std::uint32_t>(offset));
  writeU32(out, kInfoHeaderSize);
  writeU32(out, static_cast<std::uint32_t>(width));
  writeU32(out, static_cast<std::uint32_t>(height));
  writeU16(out, 1);
  writeU16(out, 24);
  writeU32(out, kBiRgb);
  writeU32(out, static_cast<std::uint32_t>(pixelBytes));
  writeU32(out, 2835);  // 72 dpi
  writeU32(out, 2835);
  writeU32(out, 0);
  writeU32(out, 0);

  out.resize(offset + pixelBytes, 0);
  const int bpp = bitmap.bytesPerPixel();
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* src = bitmap.row(y);
    std::uint8_t* dst = out.data() + offset + static_cast<std::size_t>(height - 1 - y) * rowBytes;
    if (bpp == 3) {
      std::memcpy(dst, src, static_cast<std::size_t>(width) * 3);
      continue;
    }
    for (int x = 0; x < width; ++x, src += bpp, dst += 3) std::memcpy(dst, src, 3);
  }
  return out;
}

}  // namespace BmpCodec
