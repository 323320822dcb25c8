#include "controls/buttons/TsButtonCaption.h"

#include "platform/Color.h"
#include "platform/graphics/TextDrawing.h"
#include "skin/ControlSkinPainting.h"
#include "skin/TsCommonData.h"

namespace {

HDC SelectFont(TBitmap& cache, const TFont& font) {
  TCanvas& canvas = cache.Canvas();
  canvas.Font.Assign(font);
  HDC dc = canvas.Handle();
  SelectObject(dc, CreateFontIndirect(canvas.Font.ToLogFont()));
  SetBkMode(dc, TRANSPARENT);
  return dc;
}

}  // namespace

TSize MeasureButtonCaption(TBitmap& cache, const TFont& font, const std::string& caption, int boxWidth,
                           unsigned format) {
  if (caption.empty() || boxWidth <= 0) return {};
  HDC dc = SelectFont(cache, font);
  TRect r = Rect(0, 0, boxWidth, 0);
  DrawText(dc, caption, r, format | DT_CALCRECT);
  return {r.Width(), r.Height()};
}

void DrawButtonCaption(TBitmap& cache, const TFont& font, const std::string& caption, const TRect& rect,
                       unsigned format, bool enabled, bool hot, const TsCommonData& skinData) {
  if (caption.empty()) return;
  HDC dc = SelectFont(cache, font);
  if (skinData.CustomFont() && enabled) {
    SetTextColor(dc, ColorToRGB(font.Color()));
    TRect r = rect;
    DrawText(dc, caption, r, format);
    return;
  }
  WriteSkinText(dc, caption, enabled, hot, skinData, format, rect);
}
