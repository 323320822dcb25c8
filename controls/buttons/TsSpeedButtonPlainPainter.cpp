#include "controls/buttons/TsSpeedButtonPlainPainter.h"

#include "controls/buttons/TsSpeedButton.h"
#include "framework/graphics/TCanvas.h"
#include "paint/primitives/BitmapFilters.h"
#include "platform/graphics/BlockTransfer.h"
#include "platform/graphics/Fills.h"
#include "platform/graphics/TextDrawing.h"

namespace {
constexpr int kPictureMargin = 4;  // from the left edge, and between picture and caption
}

void TsSpeedButtonPlainPainter::Paint(const Bitmap& picture) const {
  const bool sunken = button_.Pressed() || button_.Down();
  const int shift = sunken ? 1 : 0;
  DrawFace(sunken);
  const bool captioned = !button_.Caption().empty();
  const int x = captioned ? kPictureMargin + shift : (button_.Width() - picture.width()) / 2 + shift;
  DrawPicture(picture, x, (button_.Height() - picture.height()) / 2 + shift);
  if (!captioned) return;
  TRect text = button_.ClientRect().Offset(shift, shift);
  text.Left = x + picture.width() + kPictureMargin;
  canvas_.Brush.SetStyle(bsClear);
  if (!button_.Enabled()) canvas_.Font.SetColor(clGrayText);
  canvas_.DrawText(button_.Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void TsSpeedButtonPlainPainter::DrawFace(bool sunken) const {
  const TRect whole = button_.ClientRect();
  canvas_.Brush.SetColor(button_.Color());
  canvas_.FillRect(whole);
  // A flat button shows its edge only under the mouse or pressed.
  if (button_.Flat() && !button_.MouseInControl() && !sunken) return;
  TRect edge = whole;
  DrawEdge(canvas_.Handle(), edge, sunken ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
}

void TsSpeedButtonPlainPainter::DrawPicture(const Bitmap& picture, int x, int y) const {
  if (picture.empty()) return;
  // The bottom-left pixel is the list's transparent colour; greying leaves it as it is.
  const TColor key = picture.pixel(0, picture.height() - 1);
  Bitmap shown = picture;
  if (!button_.Enabled()) GrayScaleTrans(shown, key);
  DeviceContext source(shown);
  TransparentBlt(canvas_.Handle(), x, y, shown.width(), shown.height(), &source, 0, 0, shown.width(), shown.height(),
                 ColorToRGB(key));
}
