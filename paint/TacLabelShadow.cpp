#include "paint/TacLabelShadow.h"

#include <algorithm>

#include "paint/ShadowComposition.h"
#include "platform/graphics/BlockTransfer.h"
#include "platform/graphics/TextDrawing.h"

void TacLabelShadow::PreparePicture(int width, int height) {
  if (picture_.width() == width && picture_.height() == height && picture_.format() == PixelFormat::Bgrx32) {
    picture_.fill(clBlack);
    return;
  }
  picture_ = Bitmap(width, height, PixelFormat::Bgrx32);
}

void TacLabelShadow::Paint(HDC dc, std::string_view text, const TRect& rect, unsigned format,
                           const TacShadowMargins& margins, const TacShadowSettings& shadow,
                           std::optional<TColor> opaqueBackground, TColor textColor) {
  if (dc == nullptr) return;
  const int width = std::max(0, rect.Width());
  const int height = std::max(0, rect.Height());
  PreparePicture(width, height);
  format &= ~static_cast<unsigned>(DT_CALCRECT);

  DeviceContext pictureDC(picture_);
  SelectObject(&pictureDC, dc->currentFont());
  SetBkMode(&pictureDC, TRANSPARENT);
  SetTextColor(&pictureDC, clWhite);
  TRect shadowRect = margins.TextRect(rect).Offset(shadow.Distance, shadow.Distance);
  DrawText(&pictureDC, text, shadowRect, format);

  // The blur works on the screen's own pixels, with the skin's number of
  // passes: at a higher scale the shadow is as soft in screen pixels and
  // costs what its pixels cost, no more.
  coverage_.Prepare(picture_.deviceWidth(), picture_.deviceHeight());
  for (int pass = 0; pass < shadow.BlurCount; ++pass) {
    coverage_.MarkText(picture_);
    coverage_.BlurPass();
  }

  if (opaqueBackground) {
    ComposeShadowOverColor(picture_, coverage_, shadow.Color, *opaqueBackground);
  } else {
    BitBlt(&pictureDC, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    ComposeShadowOverPicture(picture_, coverage_, shadow.Color);
  }
  BitBlt(dc, 0, 0, width, height, &pictureDC, 0, 0, SRCCOPY);

  const int savedMode = SetBkMode(dc, TRANSPARENT);
  const TColor savedColor = SetTextColor(dc, textColor);
  TRect textRect = margins.TextRect(rect);
  DrawText(dc, text, textRect, format);
  SetTextColor(dc, savedColor);
  SetBkMode(dc, savedMode);
}
