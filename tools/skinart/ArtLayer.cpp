#include "tools/skinart/ArtLayer.h"

#include <algorithm>
#include <cmath>

namespace {

// Alpha below this is treated as nothing painted (avoids specks of colour).
constexpr double kEmpty = 1.0 / 512.0;

std::uint8_t toByte(double v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

void putPixel(std::uint8_t* p, Rgb c) {
  p[0] = static_cast<std::uint8_t>(c.b);
  p[1] = static_cast<std::uint8_t>(c.g);
  p[2] = static_cast<std::uint8_t>(c.r);
}

}  // namespace

ArtLayer::ArtLayer(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), pixels_(static_cast<std::size_t>(width_) * height_) {}

void ArtLayer::addBody(const Shape& body) {
  hasBody_ = true;
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      Pixel& p = pixels_[index(x, y)];
      p.body = std::max(p.body, body.coverage(x, y));
    }
}

void ArtLayer::paint(const Shape& shape, Rgb color, double opacity) {
  paint(shape, [color](double, double) { return color; }, opacity);
}

void ArtLayer::paint(const Shape& shape, const Paint& colorAt, double opacity) {
  int x0 = std::max(0, static_cast<int>(std::floor(shape.left())));
  int y0 = std::max(0, static_cast<int>(std::floor(shape.top())));
  int x1 = std::min(width_, static_cast<int>(std::ceil(shape.right())));
  int y1 = std::min(height_, static_cast<int>(std::ceil(shape.bottom())));
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      double a = shape.coverage(x, y) * opacity;
      if (a <= 0) continue;
      Rgb c = colorAt(x + 0.5, y + 0.5);
      Pixel& p = pixels_[index(x, y)];
      p.r = c.r * a + p.r * (1 - a);
      p.g = c.g * a + p.g * (1 - a);
      p.b = c.b * a + p.b * (1 - a);
      p.a = a + p.a * (1 - a);
    }
  }
}

void ArtLayer::scaleAlpha(const std::function<double(double x, double y)>& factor) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      Pixel& p = pixels_[index(x, y)];
      const double f = std::clamp(factor(x + 0.5, y + 0.5), 0.0, 1.0);
      p.r *= f;
      p.g *= f;
      p.b *= f;
      p.a *= f;
    }
  }
}

bool ArtLayer::isOutside(int x, int y) const {
  const Pixel& p = pixels_[index(x, y)];
  // A corner pixel the body covers by less than this is better left to the
  // engine, which puts the parent's real pixel there.
  constexpr double kMostlyOutside = 0.3;
  return hasBody_ ? p.body < kMostlyOutside && p.a < kMostlyOutside : p.a < kEmpty;
}

Rgb ArtLayer::colorAt(int x, int y) const {
  const Pixel& p = pixels_[index(x, y)];
  if (p.a < kEmpty) return {0, 0, 0};
  return {toByte(p.r / p.a), toByte(p.g / p.a), toByte(p.b / p.a)};
}

void ArtLayer::writeMasked(Bitmap& target, int x, int y, Rgb insideColor) const {
  for (int row = 0; row < height_; ++row) {
    std::uint8_t* image = target.row(y + row) + 3 * x;
    std::uint8_t* mask = target.row(y + height_ + row) + 3 * x;
    for (int col = 0; col < width_; ++col, image += 3, mask += 3) {
      const Pixel& p = pixels_[index(col, row)];
      if (isOutside(col, row)) {
        putPixel(image, kKeyColor);
        putPixel(mask, {255, 255, 255});
        continue;
      }
      Rgb color = p.a < kEmpty ? insideColor : colorAt(col, row);
      // The key colour inside an image would be cut out; nudge it.
      if (color == kKeyColor) color.g = 1;
      int m = toByte(255.0 * (1.0 - std::min(p.a, 1.0)));
      putPixel(image, color);
      putPixel(mask, {m, m, m});
    }
  }
}

void ArtLayer::writePlain(Bitmap& target, int x, int y, Rgb parent, Rgb inside) const {
  for (int row = 0; row < height_; ++row) {
    std::uint8_t* out = target.row(y + row) + 3 * x;
    for (int col = 0; col < width_; ++col, out += 3) {
      const Pixel& p = pixels_[index(col, row)];
      if (isOutside(col, row)) {
        putPixel(out, kKeyColor);
        continue;
      }
      const double a = std::min(p.a, 1.0);
      const double body = hasBody_ ? std::max(p.body, a) : 1.0;
      const double outsideShare = 1.0 - body;
      const double insideShare = std::max(0.0, body - a);
      auto channel = [&](double painted, int out, int in) { return toByte(painted + out * outsideShare + in * insideShare); };
      Rgb color{channel(p.r, parent.r, inside.r), channel(p.g, parent.g, inside.g), channel(p.b, parent.b, inside.b)};
      if (color == kKeyColor) color.g = 1;
      putPixel(out, color);
    }
  }
}

ArtLayer::Paint verticalGradient(Rgb top, Rgb bottom, double y0, double y1) {
  return [=](double, double y) { return mix(top, bottom, y1 > y0 ? (y - y0) / (y1 - y0) : 0.0); };
}

ArtLayer::Paint horizontalGradient(Rgb left, Rgb right, double x0, double x1) {
  return [=](double x, double) { return mix(left, right, x1 > x0 ? (x - x0) / (x1 - x0) : 0.0); };
}
