#include "platform/sdl/X11ScreenReader.h"

#include <SDL_syswm.h>

#include <algorithm>

#ifdef TRAINER_HAVE_X11
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#endif

namespace X11ScreenReader {

namespace {
#ifdef TRAINER_HAVE_X11
// Bits of a channel mask: where it starts and how wide it is.
int MaskShift(unsigned long mask) {
  int shift = 0;
  while (mask && !(mask & 1)) {
    mask >>= 1;
    ++shift;
  }
  return shift;
}
int MaskWidth(unsigned long mask) {
  mask >>= MaskShift(mask);
  int width = 0;
  while (mask & 1) {
    mask >>= 1;
    ++width;
  }
  return width;
}
std::uint8_t Channel(unsigned long pixel, unsigned long mask) {
  const int width = MaskWidth(mask);
  if (width == 0) return 0;
  const unsigned long value = (pixel & mask) >> MaskShift(mask);
  return static_cast<std::uint8_t>(width >= 8 ? value >> (width - 8) : value * 255 / ((1ul << width) - 1));
}
#endif
}  // namespace

Bitmap read([[maybe_unused]] SDL_Window* window, [[maybe_unused]] const RECT& logical, [[maybe_unused]] int scale) {
#ifdef TRAINER_HAVE_X11
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return {};
  Display* display = info.info.x11.display;
  const Window root = DefaultRootWindow(display);
  const int screenW = DisplayWidth(display, DefaultScreen(display));
  const int screenH = DisplayHeight(display, DefaultScreen(display));
  // The screen's pixels under the logical rectangle, into a bitmap of that
  // scale. Only the part on the screen can be read; the rest stays black.
  const RECT r{logical.Left * scale, logical.Top * scale, logical.Right * scale, logical.Bottom * scale};
  const int left = std::max(0, r.Left), top = std::max(0, r.Top);
  const int right = std::min(screenW, r.Right), bottom = std::min(screenH, r.Bottom);
  Bitmap picture = Bitmap::AtScale(scale, logical.Width(), logical.Height());
  if (right <= left || bottom <= top) return picture;
  XSync(display, False);
  XImage* image = XGetImage(display, root, left, top, static_cast<unsigned>(right - left),
                            static_cast<unsigned>(bottom - top), AllPlanes, ZPixmap);
  if (!image) return {};
  const bool plain32 = image->bits_per_pixel == 32 && image->red_mask == 0xFF0000 && image->green_mask == 0xFF00 &&
                       image->blue_mask == 0xFF && image->byte_order == LSBFirst;
  for (int y = 0; y < bottom - top; ++y) {
    std::uint8_t* dst = picture.row(y + top - r.Top) + (left - r.Left) * 3;
    if (plain32) {
      const auto* src = reinterpret_cast<const std::uint8_t*>(image->data + y * image->bytes_per_line);
      for (int x = 0; x < right - left; ++x, src += 4, dst += 3) {
        dst[0] = src[0];
        dst[1] = src[1];
        dst[2] = src[2];
      }
    } else {
      // Unusual visuals: slow but correct.
      for (int x = 0; x < right - left; ++x, dst += 3) {
        const unsigned long pixel = XGetPixel(image, x, y);
        dst[0] = Channel(pixel, image->blue_mask);
        dst[1] = Channel(pixel, image->green_mask);
        dst[2] = Channel(pixel, image->red_mask);
      }
    }
  }
  XDestroyImage(image);
  return picture;
#else
  return {};
#endif
}

}  // namespace X11ScreenReader
