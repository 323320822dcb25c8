#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/JpegCodec.h"
#include "platform/PngCodec.h"

namespace {

// Smooth colour ramps survive JPEG with small errors; flat noise would not.
Bitmap gradientPicture(int width, int height, PixelFormat format = PixelFormat::Bgr24, bool bottomUp = false) {
  Bitmap bmp(width, height, format, bottomUp);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bmp.setPixel(x, y, RGB(x * 255 / width, y * 255 / height, 128));
  return bmp;
}

int maxChannelError(const Bitmap& a, const Bitmap& b) {
  int worst = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const TColor p = a.pixel(x, y), q = b.pixel(x, y);
      worst = std::max({worst, std::abs(GetRValue(p) - GetRValue(q)), std::abs(GetGValue(p) - GetGValue(q)),
                        std::abs(GetBValue(p) - GetBValue(q))});
    }
  return worst;
}

}  // namespace

TEST(JpegCodec, DecodesWhatItEncodes) {
  for (PixelFormat format : {PixelFormat::Bgr24, PixelFormat::Bgrx32}) {
    const Bitmap src = gradientPicture(37, 21, format, format == PixelFormat::Bgrx32);
    Result<std::vector<std::uint8_t>> jpeg = JpegCodec::encode(src, 95);
    ASSERT_TRUE(jpeg.ok()) << jpeg.error();
    Result<Bitmap> back = JpegCodec::decode(jpeg.value());
    ASSERT_TRUE(back.ok()) << back.error();
    EXPECT_EQ(back->format(), PixelFormat::Bgr24);
    ASSERT_EQ(back->width(), 37);
    ASSERT_EQ(back->height(), 21);
    EXPECT_LE(maxChannelError(src, back.value()), 12);
  }
  // Lower quality gives a smaller file.
  const Bitmap src = gradientPicture(64, 64);
  EXPECT_LT(JpegCodec::encode(src, 20).value().size(), JpegCodec::encode(src, 95).value().size());
}

TEST(JpegCodec, BrokenDataIsAnErrorNotAnExit) {
  const std::vector<std::uint8_t> good = JpegCodec::encode(gradientPicture(32, 32)).value();
  EXPECT_FALSE(JpegCodec::decode({}).ok());
  EXPECT_FALSE(JpegCodec::decode(std::span(good.data(), 2)).ok());
  EXPECT_FALSE(JpegCodec::decode(std::span(good.data(), good.size() / 2)).ok());
  const std::vector<std::uint8_t> text{'n', 'o', 't', ' ', 'a', ' ', 'j', 'p', 'e', 'g'};
  Result<Bitmap> r = JpegCodec::decode(text);
  EXPECT_FALSE(r.ok());
  EXPECT_FALSE(r.error().empty());
}

TEST(PngCodec, RoundTripsExactlyForEveryStorage) {
  for (bool bottomUp : {false, true}) {
    const Bitmap src = gradientPicture(7, 5, PixelFormat::Bgr24, bottomUp);
    Result<std::vector<std::uint8_t>> png = PngCodec::encode(src);
    ASSERT_TRUE(png.ok()) << png.error();
    Result<Bitmap> back = PngCodec::decode(png.value());
    ASSERT_TRUE(back.ok()) << back.error();
    EXPECT_EQ(back.value(), src);
  }
  // A 32-bit bitmap keeps its fourth byte only when asked to.
  Bitmap withAlpha = gradientPicture(3, 2, PixelFormat::Bgrx32);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) withAlpha.row(y)[x * 4 + 3] = static_cast<std::uint8_t>(255 - x * 100);
  Bitmap kept = PngCodec::decode(PngCodec::encode(withAlpha, true).value()).value();
  ASSERT_EQ(kept.format(), PixelFormat::Bgrx32);
  EXPECT_EQ(kept.row(1)[2 * 4 + 3], 55);
  EXPECT_EQ(kept.pixel(0, 1), withAlpha.pixel(0, 1));
  Bitmap dropped = PngCodec::decode(PngCodec::encode(withAlpha).value()).value();
  EXPECT_EQ(dropped.format(), PixelFormat::Bgr24);
  EXPECT_EQ(dropped.pixel(2, 1), withAlpha.pixel(2, 1));
}

TEST(PngCodec, RefusesTruncatedData) {
  const std::vector<std::uint8_t> good = PngCodec::encode(gradientPicture(16, 16)).value();
  EXPECT_FALSE(PngCodec::decode(std::span(good.data(), good.size() - 20)).ok());
  EXPECT_FALSE(PngCodec::decode(std::span(good.data(), 8)).ok());
  EXPECT_FALSE(PngCodec::encode(Bitmap()).ok());
}
