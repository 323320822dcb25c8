#pragma once
// The pixel work behind a drawn hint: the one-pixel edge along the shape,
// the grey levels of the soft shadow, and the composition of picture, shape
// mask and shadow map into the 32-bit picture a translucent window shows
// (or, where no desktop composes translucent windows, into an opaque
// picture over what lies beneath). Masks are 24-bit: a pixel whose channels
// add up to less than 765 lies inside the shape; the shadow map is grey,
// white where there is no shadow.
#include "platform/Bitmap.h"
#include "platform/Color.h"

namespace TacHintPixels {

// The darkest grey of the shadow, t = p * 255 div 100, where p rounds
// shadowTransparency + (100 - shadowTransparency) * max(0, transparency) / 100.
int ShadowDepth(int shadowTransparency, int transparency);
// The grey of the shadow shape shrunk by e (0..blur): darker toward the
// middle, down to depth at e = blur.
int ShadowGrey(int blur, int e, int depth);
// The alpha a fade ends at: rnd((100 - transparency) * 2.55).
int FadeAlpha(int transparency);
// The share (0..255) of the screen that shows through the bubble where the
// window is painted over a capture of the screen.
int CaptureShowThrough(int transparency);

inline bool InsideShape(const std::uint8_t* maskPixel) { return maskPixel[0] + maskPixel[1] + maskPixel[2] < 765; }

// Shape pixels whose left or upper neighbour is outside (or which lie in the
// first row or column) take `top`; of the rest, those whose right or lower
// neighbour is outside (or in the last row or column) take `bottom`.
void PaintEdge(Bitmap& picture, const Bitmap& mask, TColor top, TColor bottom);
// map = map * layer / 255, channel by channel (equal sizes only).
void MultiplyInto(Bitmap& map, const Bitmap& layer);
// 32-bit premultiplied: outside the shape black with alpha 255 minus the
// shadow map, inside the picture with alpha 255.
Bitmap Compose(const Bitmap& picture, const Bitmap& mask, const Bitmap& shadow);
// 32-bit over a capture of the screen: the bubble mixed with the capture by
// showThrough, the shadow darkening the capture, alpha 255 on both and 0
// where neither is (so a shaped window leaves those pixels out).
Bitmap ComposeOverCapture(const Bitmap& picture, const Bitmap& mask, const Bitmap& shadow, const Bitmap& beneath,
                          int showThrough);

}  // namespace TacHintPixels
