#include "controls/hints/TacHintPixels.h"

#include <algorithm>

#include "paint/primitives/ColorMath.h"

namespace TacHintPixels {

namespace {
// The layers of one hint are made together: one size, one scale.
bool SameSize(const Bitmap& a, const Bitmap& b) {
  return a.width() == b.width() && a.height() == b.height() && a.scale() == b.scale();
}
}  // namespace

int ShadowDepth(int shadowTransparency, int transparency) {
  const int st = std::clamp(shadowTransparency, 0, 100);
  const int p = DivRoundHalfEven(st * 100 + (100 - st) * std::max(0, transparency), 100);
  return p * 255 / 100;
}

int ShadowGrey(int blur, int e, int depth) {
  if (blur < 0) blur = 0;
  const int steps = std::max(0, blur - e);
  return std::clamp(DivRoundHalfEven(static_cast<std::int64_t>(steps) * (255 - depth), blur + 1) + depth, 0, 255);
}

int FadeAlpha(int transparency) { return DivRoundHalfEven((100 - std::clamp(transparency, 0, 100)) * 255, 100); }

int CaptureShowThrough(int transparency) {
  const int a = std::clamp(transparency, 0, 100) * 255 / 100;
  return std::clamp(2 * a - 255, 0, 255);
}

void PaintEdge(Bitmap& picture, const Bitmap& mask, TColor top, TColor bottom) {
  if (!SameSize(picture, mask) || picture.empty() || picture.format() != PixelFormat::Bgr24 ||
      mask.format() != PixelFormat::Bgr24)
    return;
  top = ColorToRGB(top);
  bottom = ColorToRGB(bottom);
  // The edge is one logical pixel thick: a device pixel is on it when the
  // shape ends within one logical pixel of it.
  const int n = picture.scale();
  const int w = picture.deviceWidth();
  const int h = picture.deviceHeight();
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* m = mask.row(y);
    const std::uint8_t* up = y >= n ? mask.row(y - n) : nullptr;
    const std::uint8_t* down = y + n < h ? mask.row(y + n) : nullptr;
    std::uint8_t* p = picture.row(y);
    for (int x = 0; x < w; ++x, m += 3, p += 3) {
      if (!InsideShape(m)) continue;
      const bool topLeft = x < n || !up || !InsideShape(m - 3 * n) || !InsideShape(up + x * 3);
      const bool bottomRight = x >= w - n || !down || !InsideShape(m + 3 * n) || !InsideShape(down + x * 3);
      if (!topLeft && !bottomRight) continue;
      const TColor c = topLeft ? top : bottom;
      p[0] = GetBValue(c);
      p[1] = GetGValue(c);
      p[2] = GetRValue(c);
    }
  }
}

void MultiplyInto(Bitmap& map, const Bitmap& layer) {
  if (!SameSize(map, layer) || map.format() != layer.format()) return;
  const int bytes = map.deviceWidth() * map.bytesPerPixel();
  for (int y = 0; y < map.deviceHeight(); ++y) {
    std::uint8_t* m = map.row(y);
    const std::uint8_t* l = layer.row(y);
    for (int i = 0; i < bytes; ++i) m[i] = static_cast<std::uint8_t>((m[i] * l[i] + 127) / 255);
  }
}

Bitmap Compose(const Bitmap& picture, const Bitmap& mask, const Bitmap& shadow) {
  if (!SameSize(picture, mask) || !SameSize(picture, shadow)) return {};
  Bitmap out = Bitmap::AtScale(picture.scale(), picture.width(), picture.height(), PixelFormat::Bgrx32);
  for (int y = 0; y < out.deviceHeight(); ++y) {
    const std::uint8_t* p = picture.row(y);
    const std::uint8_t* m = mask.row(y);
    const std::uint8_t* s = shadow.row(y);
    std::uint8_t* o = out.row(y);
    for (int x = 0; x < out.deviceWidth(); ++x, p += 3, m += 3, s += 3, o += 4) {
      if (InsideShape(m)) {
        o[0] = p[0];
        o[1] = p[1];
        o[2] = p[2];
        o[3] = 255;
      } else {
        o[0] = o[1] = o[2] = 0;
        o[3] = static_cast<std::uint8_t>(255 - s[0]);
      }
    }
  }
  return out;
}

Bitmap ComposeOverCapture(const Bitmap& picture, const Bitmap& mask, const Bitmap& shadow, const Bitmap& beneath,
                          int showThrough) {
  if (!SameSize(picture, mask) || !SameSize(picture, shadow) || !SameSize(picture, beneath)) return {};
  const int keep = std::clamp(showThrough, 0, 255);
  const int bpp = beneath.bytesPerPixel();
  Bitmap out = Bitmap::AtScale(picture.scale(), picture.width(), picture.height(), PixelFormat::Bgrx32);
  for (int y = 0; y < out.deviceHeight(); ++y) {
    const std::uint8_t* p = picture.row(y);
    const std::uint8_t* m = mask.row(y);
    const std::uint8_t* s = shadow.row(y);
    const std::uint8_t* b = beneath.row(y);
    std::uint8_t* o = out.row(y);
    for (int x = 0; x < out.deviceWidth(); ++x, p += 3, m += 3, s += 3, b += bpp, o += 4) {
      if (InsideShape(m)) {
        for (int c = 0; c < 3; ++c) o[c] = static_cast<std::uint8_t>((p[c] * (255 - keep) + b[c] * keep + 127) / 255);
        o[3] = 255;
      } else if (s[0] < 255) {
        for (int c = 0; c < 3; ++c) o[c] = static_cast<std::uint8_t>((b[c] * s[0] + 127) / 255);
        o[3] = 255;
      } else {
        o[0] = o[1] = o[2] = o[3] = 0;
      }
    }
  }
  return out;
}

}  // namespace TacHintPixels
