#include "platform/windowing/ScreenCompositor.h"

#include <vector>

#include "platform/graphics/Region.h"
#include "platform/windowing/WinStyles.h"
#include "platform/windowing/WindowManager.h"

namespace {
// One window's pixels over the target, for the target rectangle `span`
// (target coordinates) with the picture offset (dx, dy).
void blendSpan(const Bitmap& picture, Bitmap& target, const RECT& span, int dx, int dy, bool perPixel, int alpha) {
  const int srcBpp = picture.bytesPerPixel();
  const int dstBpp = target.bytesPerPixel();
  for (int y = span.Top; y < span.Bottom; ++y) {
    const std::uint8_t* src = picture.row(y - dy) + (span.Left - dx) * srcBpp;
    std::uint8_t* dst = target.row(y) + span.Left * dstBpp;
    for (int x = span.Left; x < span.Right; ++x, src += srcBpp, dst += dstBpp) {
      if (perPixel) {
        // Premultiplied source with a constant opacity on top.
        const int a = srcBpp == 4 ? src[3] * alpha / 255 : alpha;
        for (int c = 0; c < 3; ++c) dst[c] = static_cast<std::uint8_t>((src[c] * alpha + dst[c] * (255 - a)) / 255);
      } else if (alpha < 255) {
        for (int c = 0; c < 3; ++c) dst[c] = static_cast<std::uint8_t>((src[c] * alpha + dst[c] * (255 - alpha)) / 255);
      } else {
        dst[0] = src[0];
        dst[1] = src[1];
        dst[2] = src[2];
      }
    }
  }
}
}  // namespace

void ScreenCompositor::compose(WindowManager& wm, const RECT& area, Bitmap& target, TColor desktop) {
  target.fill(desktop);
  const std::vector<HWND>& tops = wm.topLevels();
  for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
    const Window* w = wm.find(*it);
    if (!w || !wm.isVisible(w)) continue;
    const Bitmap* picture = w->perPixelAlpha ? &w->layeredPicture : w->surface.get();
    if (!picture || picture->empty()) continue;
    const bool layered = (w->exStyle & WS_EX_LAYERED) != 0;
    const int alpha = layered ? w->layerAlpha : 255;
    if (alpha == 0) continue;
    // Window position in target pixels: logical positions times the
    // screen's scale, which the windows' pictures share.
    const int n = target.scale();
    if (picture->scale() != n) continue;
    const int dx = (w->rect.Left - area.Left) * n;
    const int dy = (w->rect.Top - area.Top) * n;
    const RECT bounds =
        Intersect(Bounds(dx, dy, std::min(w->width(), picture->width()) * n, std::min(w->height(), picture->height()) * n),
                  Bounds(0, 0, std::min(area.Width(), target.width()) * n, std::min(area.Height(), target.height()) * n));
    if (bounds.IsEmpty()) continue;
    if (w->region) {
      Region shape = w->region->scaled(n);
      shape.offset(dx, dy);
      shape.forEachRectIn(bounds, [&](const RECT& span) { blendSpan(*picture, target, span, dx, dy, w->perPixelAlpha, alpha); });
    } else {
      blendSpan(*picture, target, bounds, dx, dy, w->perPixelAlpha, alpha);
    }
  }
}
