#include "paint/LabelText.h"

#include "paint/primitives/ColorMath.h"
#include "platform/graphics/TextDrawing.h"

TColor DisabledLabelTextColor(TColor fontColor, TColor background) { return MixColors(fontColor, background, 0.4); }

void DrawEngravedText(HDC dc, std::string_view text, const TRect& rect, unsigned format) {
  if (dc == nullptr) return;
  format &= ~static_cast<unsigned>(DT_CALCRECT);
  const int savedMode = SetBkMode(dc, TRANSPARENT);
  const TColor savedColor = SetTextColor(dc, ColorToRGB(clBtnHighlight));
  TRect lit = rect.Offset(1, 1);
  DrawText(dc, text, lit, format);
  SetTextColor(dc, ColorToRGB(clBtnShadow));
  TRect shade = rect;
  DrawText(dc, text, shade, format);
  SetTextColor(dc, savedColor);
  SetBkMode(dc, savedMode);
}
