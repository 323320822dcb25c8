#include "paint/primitives/FillPrimitives.h"

#include <algorithm>
#include <cstring>

#include "paint/primitives/DeviceArea.h"

void FillBitmapRect(Bitmap& dst, const TRect& rect, TColor color) {
  const TRect logical = Intersect(rect, Rect(0, 0, dst.width(), dst.height()));
  if (logical.IsEmpty()) return;
  const TRect r = ToDevice(logical, dst.scale());
  color = ColorToRGB(color);
  const std::uint8_t b = static_cast<std::uint8_t>(GetBValue(color));
  const std::uint8_t g = static_cast<std::uint8_t>(GetGValue(color));
  const std::uint8_t red = static_cast<std::uint8_t>(GetRValue(color));
  const int bpp = dst.bytesPerPixel();
  const std::size_t rowBytes = static_cast<std::size_t>(r.Width()) * static_cast<std::size_t>(bpp);
  // Paint the first row, then copy it into the others.
  std::uint8_t* first = dst.row(r.Top) + r.Left * bpp;
  for (int x = 0; x < r.Width(); ++x) {
    first[x * bpp] = b;
    first[x * bpp + 1] = g;
    first[x * bpp + 2] = red;
  }
  for (int y = r.Top + 1; y < r.Bottom; ++y) {
    std::uint8_t* p = dst.row(y) + r.Left * bpp;
    if (bpp == 3) {
      std::memcpy(p, first, rowBytes);
    } else {
      for (int x = 0; x < r.Width(); ++x) std::memcpy(p + x * 4, first + x * 4, 3);
    }
  }
}

void FillBorderStrips(Bitmap& dst, const TRect& rect, int wl, int wt, int wr, int wb, TColor color) {
  FillBitmapRect(dst, Rect(rect.Left, rect.Top, rect.Right, rect.Top + wt), color);
  FillBitmapRect(dst, Rect(rect.Left, rect.Top + wt, rect.Left + wl, rect.Bottom), color);
  FillBitmapRect(dst, Rect(rect.Left + wl, rect.Bottom - wb, rect.Right, rect.Bottom), color);
  FillBitmapRect(dst, Rect(rect.Right - wr, rect.Top + wt, rect.Right, rect.Bottom - wb), color);
}

void CopyBitmapRect(Bitmap& dst, TPoint dstPoint, const Bitmap& src, const TRect& srcRect) {
  // Clip the source to its bitmap, moving the destination along, then the
  // destination to its bitmap, moving the source along.
  TRect s = srcRect;
  int dx = dstPoint.X, dy = dstPoint.Y;
  if (s.Left < 0) { dx -= s.Left; s.Left = 0; }
  if (s.Top < 0) { dy -= s.Top; s.Top = 0; }
  s.Right = std::min(s.Right, src.width());
  s.Bottom = std::min(s.Bottom, src.height());
  if (dx < 0) { s.Left -= dx; dx = 0; }
  if (dy < 0) { s.Top -= dy; dy = 0; }
  const int n = dst.scale();
  const int w = std::min(s.Width(), dst.width() - dx) * n;
  const int h = std::min(s.Height(), dst.height() - dy) * n;
  if (w <= 0 || h <= 0) return;
  const SourceAtScale source(src, n);
  const Bitmap& from = source.get();
  const int sb = src.bytesPerPixel();
  const int db = dst.bytesPerPixel();
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* sp = from.row(s.Top * n + y) + s.Left * n * sb;
    std::uint8_t* dp = dst.row(dy * n + y) + dx * n * db;
    if (sb == db && sb == 3) {
      std::memmove(dp, sp, static_cast<std::size_t>(w) * 3);
    } else {
      for (int x = 0; x < w; ++x) std::memcpy(dp + x * db, sp + x * sb, 3);
    }
  }
}
