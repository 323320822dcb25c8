#include "paint/MaskImagePainter.h"

#include "paint/MaskGeometry.h"
#include "paint/primitives/BlendPrimitives.h"
#include "paint/primitives/ColorMath.h"
#include "paint/primitives/KeyColorCopy.h"
#include "paint/primitives/MaskCopy.h"

void DrawMaskImage(Bitmap& dst, TPoint point, int state, const TCacheInfo& ci, const TsMaskData& mask, int mode,
                   const Bitmap* master) {
  const TSize frame = MaskFrameSize(mask);
  if (frame.cx <= 0 || frame.cy <= 0) return;
  const int fx = mask.R.Left + frame.cx * ClampMaskState(mask, state);
  const int fy = mask.R.Top;
  // The copies below cut a negative point from the frame's start themselves.
  const TRect source = Rect(fx, fy, fx + frame.cx - 1, fy + frame.cy - 1);
  const TRect target = Rect(point.X, point.Y, point.X + frame.cx - 1, point.Y + frame.cy - 1);
  if (mask.Bmp) {
    if (!mask.Bmp->empty()) CopyGlyphByMask(target, source, dst, mask, mode, *mask.Bmp);
    return;
  }
  if (master == nullptr || master->empty() || mask.ImageCount == 0) return;
  if (mask.MaskType > 0) {
    CopyGlyphByMask(target, source, dst, mask, mode, *master);
  } else if (mode == 1) {
    CopyTransBitmaps(dst, *master, point, true, ci, clKeyColor, source);
  } else {
    BlendTransRect(dst, point, clKeyColor, 0.5, source, *master);
  }
}
