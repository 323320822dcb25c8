#include "platform/BmpCodec.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// Builds BMP files byte by byte, the way a paint program would store them.
class BmpWriter {
 public:
  BmpWriter(int width, int height, int bitCount, std::uint32_t headerSize = 40)
      : width_(width), height_(height), bitCount_(bitCount), headerSize_(headerSize) {}

  BmpWriter& palette(std::vector<std::uint32_t> bgrx) {
    palette_ = std::move(bgrx);
    return *this;
  }
  BmpWriter& compression(std::uint32_t c) {
    compression_ = c;
    return *this;
  }
  // Rows in file order (bottom row first for positive heights), unpadded.
  BmpWriter& rows(std::vector<std::vector<std::uint8_t>> r) {
    rows_ = std::move(r);
    return *this;
  }

  std::vector<std::uint8_t> bytes() const {
    std::vector<std::uint8_t> out;
    const std::size_t paletteBytes = palette_.size() * (headerSize_ == 12 ? 3 : 4);
    const std::uint32_t offset = static_cast<std::uint32_t>(14 + headerSize_ + paletteBytes);
    out.push_back('B');
    out.push_back('M');
    u32(out, 0);
    u32(out, 0);
    u32(out, offset);
    u32(out, headerSize_);
    if (headerSize_ == 12) {
      u16(out, static_cast<std::uint32_t>(width_));
      u16(out, static_cast<std::uint32_t>(height_));
      u16(out, 1);
      u16(out, static_cast<std::uint32_t>(bitCount_));
    } else {
      u32(out, static_cast<std::uint32_t>(width_));
      u32(out, static_cast<std::uint32_t>(height_));
      u16(out, 1);
      u16(out, static_cast<std::uint32_t>(bitCount_));
      u32(out, compression_);
      u32(out, 0);
      u32(out, 2835);
      u32(out, 2835);
      u32(out, static_cast<std::uint32_t>(palette_.size()));
      u32(out, 0);
      // V4/V5: standard masks, then zeros for the colour space fields.
      if (headerSize_ > 40) {
        u32(out, 0xFF0000);
        u32(out, 0xFF00);
        u32(out, 0xFF);
        u32(out, 0xFF000000);
        out.resize(14 + headerSize_, 0);
      }
    }
    for (std::uint32_t c : palette_) {
      out.push_back(static_cast<std::uint8_t>(c));
      out.push_back(static_cast<std::uint8_t>(c >> 8));
      out.push_back(static_cast<std::uint8_t>(c >> 16));
      if (headerSize_ != 12) out.push_back(0);
    }
    // Each row is padded (or cut) to the four-byte multiple the format requires.
    const std::size_t rowBytes = (static_cast<std::size_t>(std::abs(width_)) * bitCount_ + 31) / 32 * 4;
    for (auto row : rows_) {
      row.resize(rowBytes, 0);
      out.insert(out.end(), row.begin(), row.end());
    }
    return out;
  }

 private:
  static void u16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
  }
  static void u32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    u16(out, v & 0xFFFF);
    u16(out, v >> 16);
  }

  int width_, height_, bitCount_;
  std::uint32_t headerSize_;
  std::uint32_t compression_ = 0;
  std::vector<std::uint32_t> palette_;
  std::vector<std::vector<std::uint8_t>> rows_;
};

// Palette entries are stored blue, green, red: 0x00RRGGBB in a uint32.
constexpr std::uint32_t kPalRed = 0xFF0000, kPalGreen = 0x00FF00, kPalBlue = 0x0000FF, kPalWhite = 0xFFFFFF;

Bitmap decodeOk(const std::vector<std::uint8_t>& bytes) {
  Result<Bitmap> r = BmpCodec::decode(bytes);
  EXPECT_TRUE(r.ok()) << r.error();
  return r ? std::move(r).value() : Bitmap();
}

}  // namespace

TEST(BmpCodec, ReadsPaletteDepthsIntoTwentyFourBits) {
  // 1 bpp, 10 wide (crosses a byte), bottom-up: file row 0 is image row 1.
  Bitmap one = decodeOk(BmpWriter(10, 2, 1)
                            .palette({0, kPalWhite})
                            .rows({{0b10000000, 0b01000000}, {0b00000001, 0b10000000}})
                            .bytes());
  ASSERT_EQ(one.width(), 10);
  EXPECT_EQ(one.format(), PixelFormat::Bgr24);
  EXPECT_EQ(one.pixel(7, 0), clWhite);
  EXPECT_EQ(one.pixel(8, 0), clWhite);
  EXPECT_EQ(one.pixel(6, 0), clBlack);
  EXPECT_EQ(one.pixel(0, 1), clWhite);
  EXPECT_EQ(one.pixel(9, 1), clWhite);
  EXPECT_EQ(one.pixel(1, 1), clBlack);

  // 4 bpp, odd width, high nibble first.
  Bitmap four = decodeOk(BmpWriter(3, 1, 4).palette({0, kPalRed, kPalGreen, kPalBlue}).rows({{0x12, 0x30}}).bytes());
  EXPECT_EQ(four.pixel(0, 0), clRed);
  EXPECT_EQ(four.pixel(1, 0), clLime);
  EXPECT_EQ(four.pixel(2, 0), clBlue);

  // 8 bpp; index 7 lies beyond the 3 stored entries and reads black.
  Bitmap eight = decodeOk(BmpWriter(4, 1, 8).palette({kPalRed, kPalGreen, kPalBlue}).rows({{2, 1, 0, 7}}).bytes());
  EXPECT_EQ(eight.pixel(0, 0), clBlue);
  EXPECT_EQ(eight.pixel(1, 0), clLime);
  EXPECT_EQ(eight.pixel(2, 0), clRed);
  EXPECT_EQ(eight.pixel(3, 0), clBlack);

  // Core (OS/2) header with three-byte palette entries.
  Bitmap core = decodeOk(BmpWriter(2, 1, 8, 12).palette({kPalGreen, kPalBlue}).rows({{1, 0}}).bytes());
  EXPECT_EQ(core.pixel(0, 0), clBlue);
  EXPECT_EQ(core.pixel(1, 0), clLime);
}

TEST(BmpCodec, ReadsDirectColourBothStorageOrdersAndNewerHeaders) {
  // 24 bpp top-down (negative height): the first file row is the top row.
  for (std::uint32_t header : {40u, 108u, 124u}) {
    Bitmap top = decodeOk(BmpWriter(2, -2, 24, header).rows({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}).bytes());
    ASSERT_EQ(top.height(), 2) << header;
    EXPECT_EQ(top.pixel(0, 0), RGB(3, 2, 1));
    EXPECT_EQ(top.pixel(1, 1), RGB(12, 11, 10));
  }
  Bitmap bottom = decodeOk(BmpWriter(1, 2, 24).rows({{1, 2, 3}, {7, 8, 9}}).bytes());
  EXPECT_EQ(bottom.pixel(0, 1), RGB(3, 2, 1));
  EXPECT_EQ(bottom.pixel(0, 0), RGB(9, 8, 7));

  // 32 bpp keeps the fourth byte, with plain or bit-field compression.
  for (std::uint32_t compression : {0u, 3u}) {
    Bitmap b32 = decodeOk(BmpWriter(2, 1, 32, 108).compression(compression).rows({{1, 2, 3, 200, 4, 5, 6, 7}}).bytes());
    ASSERT_EQ(b32.format(), PixelFormat::Bgrx32);
    EXPECT_EQ(b32.pixel(1, 0), RGB(6, 5, 4));
    EXPECT_EQ(b32.row(0)[3], 200);
    EXPECT_EQ(b32.row(0)[7], 7);
  }
}

TEST(BmpCodec, RefusesMalformedInputWithoutAllocatingForIt) {
  const std::vector<std::uint8_t> good = BmpWriter(4, 4, 24).rows({{}, {}, {}, {}}).bytes();
  ASSERT_TRUE(BmpCodec::decode(good).ok());

  // Every truncation is refused.
  for (std::size_t n = 0; n < good.size(); ++n)
    EXPECT_FALSE(BmpCodec::decode(std::span(good.data(), n)).ok()) << "length " << n;

  // A header announcing a huge picture over a few bytes of data.
  EXPECT_FALSE(BmpCodec::decode(BmpWriter(30000, 30000, 32).rows({{1, 2, 3, 4}}).bytes()).ok());
  EXPECT_FALSE(BmpCodec::decode(BmpWriter(0x7FFFFFFF, 1, 24).bytes()).ok());
  EXPECT_FALSE(BmpCodec::decode(BmpWriter(1, static_cast<int>(0x80000000u), 24).bytes()).ok());
  EXPECT_FALSE(BmpCodec::decode(BmpWriter(0, 4, 24).bytes()).ok());

  // Unsupported kinds fail with a message rather than garbage.
  Result<Bitmap> rle = BmpCodec::decode(BmpWriter(2, 1, 8).compression(1).palette({0}).rows({{0, 0}}).bytes());
  EXPECT_FALSE(rle.ok());
  EXPECT_NE(rle.error().find("compressed"), std::string::npos);
  EXPECT_FALSE(BmpCodec::decode(BmpWriter(2, 1, 16).rows({{0, 0, 0, 0}}).bytes()).ok());

  std::vector<std::uint8_t> badSignature = good;
  badSignature[0] = 'X';
  EXPECT_FALSE(BmpCodec::decode(badSignature).ok());
  std::vector<std::uint8_t> badOffset = good;
  badOffset[10] = 0xFF;
  badOffset[11] = 0xFF;
  EXPECT_FALSE(BmpCodec::decode(badOffset).ok());
}

TEST(BmpCodec, CorruptedHeaderBytesNeverCrash) {
  // Every header byte set to each of a few telling values: the decoder
  // must answer (either way) without reading outside the data. Run under
  // the sanitizer build this catches any overrun.
  const std::vector<std::uint8_t> files[] = {
      BmpWriter(5, 3, 24).rows({{1}, {2}, {3}}).bytes(),
      BmpWriter(9, -2, 4).palette({kPalRed, kPalGreen}).rows({{0x01, 0x10}, {0x11}}).bytes(),
      BmpWriter(3, 2, 32, 124).compression(3).rows({{1}, {2}}).bytes(),
  };
  for (const std::vector<std::uint8_t>& good : files) {
    const std::size_t headerEnd = std::min<std::size_t>(good.size(), 14 + 64);
    for (std::size_t i = 0; i < headerEnd; ++i)
      for (std::uint8_t value : {0x00, 0x01, 0x7F, 0x80, 0xFF}) {
        std::vector<std::uint8_t> bad = good;
        bad[i] = value;
        Result<Bitmap> r = BmpCodec::decode(bad);
        if (r) {
          EXPECT_LE(r->width() * r->height(), 1 << 20);
        }
      }
  }
}

TEST(BmpCodec, WritesTwentyFourBitFilesThatReadBack) {
  for (PixelFormat format : {PixelFormat::Bgr24, PixelFormat::Bgrx32}) {
    Bitmap src(5, 3, format, format == PixelFormat::Bgrx32);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 5; ++x) src.setPixel(x, y, RGB(x * 50, y * 80, x + y));
    std::vector<std::uint8_t> file = BmpCodec::encode(src);
    ASSERT_EQ(file.size(), 14u + 40u + 16u * 3u);  // rows of 15 bytes padded to 16
    EXPECT_EQ(file[28], 24);                         // bit count
    Bitmap back = decodeOk(file);
    ASSERT_EQ(back.format(), PixelFormat::Bgr24);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 5; ++x) EXPECT_EQ(back.pixel(x, y), src.pixel(x, y));
  }
}
