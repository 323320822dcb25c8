#include "paint/ShadowComposition.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

// Blue, green and red bytes of a colour, in pixel order.
std::array<int, 3> Channels(TColor color) {
  const TColor rgb = ColorToRGB(color);
  return {static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>(rgb & 0xFF)};
}

// The part of the picture both the picture and the coverage describe.
bool Overlap(const Bitmap& picture, const TacCoverageBuffer& coverage, int& width, int& height) {
  if (picture.format() != PixelFormat::Bgrx32) return false;
  width = std::min(picture.deviceWidth(), coverage.Width());
  height = std::min(picture.deviceHeight(), coverage.Height());
  return width > 0 && height > 0;
}

}  // namespace

void ComposeShadowOverPicture(Bitmap& picture, const TacCoverageBuffer& coverage, TColor shadowColor) {
  int width = 0;
  int height = 0;
  if (!Overlap(picture, coverage, width, height)) return;
  const std::array<int, 3> shadow = Channels(shadowColor);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* pixel = picture.row(y);
    const std::uint8_t* cover = coverage.Row(y);
    for (int x = 0; x < width; ++x, pixel += 4) {
      const int k = cover[x];
      for (int c = 0; c < 3; ++c) pixel[c] = static_cast<std::uint8_t>((pixel[c] * (255 - k) + shadow[c] * k) >> 8);
    }
  }
}

void ComposeShadowOverColor(Bitmap& picture, const TacCoverageBuffer& coverage, TColor shadowColor,
                            TColor background) {
  int width = 0;
  int height = 0;
  if (!Overlap(picture, coverage, width, height)) return;
  const std::array<int, 3> shadow = Channels(shadowColor);
  const std::array<int, 3> back = Channels(background);
  // The result depends on the coverage alone: one table of 256 pixels.
  std::array<std::array<std::uint8_t, 3>, 256> byCoverage{};
  for (int k = 0; k < 256; ++k)
    for (int c = 0; c < 3; ++c)
      byCoverage[static_cast<std::size_t>(k)][static_cast<std::size_t>(c)] =
          static_cast<std::uint8_t>((shadow[c] * k + (255 - k) * back[c]) >> 8);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* pixel = picture.row(y);
    const std::uint8_t* cover = coverage.Row(y);
    for (int x = 0; x < width; ++x, pixel += 4) {
      const auto& result = byCoverage[cover[x]];
      pixel[0] = result[0];
      pixel[1] = result[1];
      pixel[2] = result[2];
    }
  }
}
