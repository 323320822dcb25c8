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
  const CopyArea a =
      ToDevice(ClipCopy(srcRect, dstPoint, {src.width(), src.height()}, {dst.width(), dst.height()}), dst.scale());
  if (a.IsEmpty()) return;
  const SourceAtScale source(src, dst.scale());
  const Bitmap& from = source.get();
  const int w = a.Width;
  const int sb = src.bytesPerPixel();
  const int db = dst.bytesPerPixel();
  for (int y = 0; y < a.Height; ++y) {
    const std::uint8_t* sp = from.row(a.SrcY + y) + a.SrcX * sb;
    std::uint8_t* dp = dst.row(a.DstY + y) + a.DstX * db;
    if (sb == db && sb == 3) {
      std::memmove(dp, sp, static_cast<std::size_t>(w) * 3);
    } else {
      for (int x = 0; x < w; ++x) std::memcpy(dp + x * db, sp + x * sb, 3);
    }
  }
}
