#include "skin/TacSkinRecolor.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "framework/graphics/TBitmap.h"

namespace TacSkinRecolor {

namespace {

// Nearest integer, ties to even (the default rounding mode), clamped to a channel.
int Channel(double v) { return static_cast<int>(std::clamp(std::nearbyint(v), 0.0, 255.0)); }

// Walks a 24-bit bitmap row by row. Runs of equal colour are common in skin
// bitmaps, so the last conversion is remembered.
template <typename Change>
void ChangePixels(Bitmap& bitmap, Change change) {
  if (bitmap.format() != PixelFormat::Bgr24 || bitmap.empty()) return;
  TColor lastIn = clFuchsia, lastOut = clFuchsia;
  for (int y = 0; y < bitmap.deviceHeight(); ++y) {
    std::uint8_t* p = bitmap.row(y);
    for (int x = 0; x < bitmap.deviceWidth(); ++x, p += 3) {
      const int b = p[0], g = p[1], r = p[2];
      if ((r == g && g == b) || (r == 0xFF && g == 0 && b == 0xFF)) continue;
      const TColor in = RGB(r, g, b);
      if (in != lastIn) {
        lastIn = in;
        lastOut = change(in);
      }
      p[0] = static_cast<std::uint8_t>(GetBValue(lastOut));
      p[1] = static_cast<std::uint8_t>(GetGValue(lastOut));
      p[2] = static_cast<std::uint8_t>(GetRValue(lastOut));
    }
  }
}

void ChangeColors(TsSkinContent& content, const std::function<TColor(TColor)>& change) {
  if (content.MasterBitmap) ChangePixels(*content.MasterBitmap, change);
  for (TsMaskData& m : content.Masks) {
    if (!m.Bmp) continue;
    if (m.Bmp->format() != PixelFormat::Bgr24) m.Bmp = std::make_shared<Bitmap>(To24Bit(*m.Bmp));
    ChangePixels(*m.Bmp, change);
  }
  auto changeAll = [&](TsFontColors& colors) {
    for (std::int32_t& c : colors) {
      if (c != -1) c = static_cast<std::int32_t>(change(static_cast<TColor>(c)));
    }
  };
  auto changeGradient = [&](TsGradArray& gradient) {
    for (TsGradPoint& p : gradient) {
      p.Color1 = change(p.Color1);
      p.Color2 = change(p.Color2);
    }
  };
  for (TsGeneralData& s : content.Sections) {
    s.Color = change(s.Color);
    s.HotColor = change(s.HotColor);
    changeAll(s.FontColor);
    changeAll(s.HotFontColor);
    changeGradient(s.GradientArray);
    changeGradient(s.HotGradientArray);
  }
  content.SkinData.Shadow1Color = change(content.SkinData.Shadow1Color);
  content.SkinData.BorderColor = change(content.SkinData.BorderColor);
}

}  // namespace

TColor ChangeHue(TColor color, int offset) {
  const TColor rgb = ColorToRGB(color);
  const int r = GetRValue(rgb), g = GetGValue(rgb), b = GetBValue(rgb);
  const int v = std::max({r, g, b});
  const int delta = v - std::min({r, g, b});
  if (v == 0 || delta == 0) return color;
  const double s = static_cast<double>(delta) / v;
  double h;
  if (r == v) {
    h = 60.0 * (g - b) / delta;
  } else if (g == v) {
    h = 120.0 + 60.0 * (b - r) / delta;
  } else {
    h = 240.0 + 60.0 * (r - g) / delta;
  }
  if (h < 0) h += 360.0;
  int hue = static_cast<int>(std::nearbyint(offset + h)) % 360;
  if (hue < 0) hue += 360;
  const double h6 = hue / 60.0;
  const int sector = static_cast<int>(h6);
  const double f = h6 - sector;
  const double p = std::clamp(v * (1 - s), 0.0, 255.0);
  const double q = std::clamp(v * (1 - f * s), 0.0, 255.0);
  const double t = std::clamp(v * (1 - (1 - f) * s), 0.0, 255.0);
  const double vv = v;
  switch (sector) {
    case 0: return RGB(Channel(vv), Channel(t), Channel(p));
    case 1: return RGB(Channel(q), Channel(vv), Channel(p));
    case 2: return RGB(Channel(p), Channel(vv), Channel(t));
    case 3: return RGB(Channel(p), Channel(q), Channel(vv));
    case 4: return RGB(Channel(t), Channel(p), Channel(vv));
    default: return RGB(Channel(vv), Channel(p), Channel(q));
  }
}

TColor ChangeSaturation(TColor color, int amount) {
  const TColor rgb = ColorToRGB(color);
  const int r = GetRValue(rgb), g = GetGValue(rgb), b = GetBValue(rgb);
  const double average = (r + g + b) / 3.0;
  auto move = [&](int c) { return Channel(c + amount * (average - c) / 100.0); };
  return RGB(move(r), move(g), move(b));
}

void ChangeHue(Bitmap& bitmap, int offset) {
  ChangePixels(bitmap, [offset](TColor c) { return ChangeHue(c, offset); });
}

void ChangeSaturation(Bitmap& bitmap, int amount) {
  ChangePixels(bitmap, [amount](TColor c) { return ChangeSaturation(c, amount); });
}

void Recolor(TsSkinContent& content, int hueOffset, int saturation) {
  if (hueOffset != 0) ChangeColors(content, [hueOffset](TColor c) { return ChangeHue(c, hueOffset); });
  const int amount = -(saturation % 101);  // the remainder of -saturation by 101
  if (amount != 0) ChangeColors(content, [amount](TColor c) { return ChangeSaturation(c, amount); });
}

}  // namespace TacSkinRecolor
