#include "paint/primitives/DisabledLook.h"

#include "paint/primitives/BitmapFilters.h"
#include "paint/primitives/BlendPrimitives.h"
#include "paint/primitives/ColorMath.h"

void PaintDisabledLook(Bitmap& bmp, int flags, TPoint position, const TCacheInfo& ci, TColor parentColor) {
  if (bmp.empty()) return;
  if (flags & dlGray) GrayScale(bmp);
  if (!(flags & dlBlendWithParent)) return;
  if (ci.Ready && ci.Bmp != nullptr) {
    // 0.6 of the parent picture plus 0.4 of the control, no key.
    const int x = ci.X + position.X, y = ci.Y + position.Y;
    BlendTransRect(bmp, Point(0, 0), 0xFF000000u, 0.4, Rect(x, y, x + bmp.width(), y + bmp.height()), *ci.Bmp);
    return;
  }
  const TColor color = ci.FillColor == clKeyColor ? parentColor : ci.FillColor;
  BlendColorRect(bmp, Rect(0, 0, bmp.width(), bmp.height()), 50, color);
}
