#include "controls/TsGaugeSkinPainter.h"

#include <algorithm>
#include <string>

#include "controls/TsGauge.h"
#include "controls/TsGaugeGeometry.h"
#include "framework/graphics/TBitmap.h"
#include "paint/CacheInfo.h"
#include "paint/SkinItemPainter.h"
#include "platform/graphics/BlockTransfer.h"
#include "platform/graphics/Shapes.h"
#include "platform/graphics/TextDrawing.h"
#include "skin/ControlSkinPainting.h"
#include "skin/SharedBackground.h"
#include "skin/TsBackgroundRequest.h"
#include "skin/TsCommonData.h"
#include "skin/TsSkinManager.h"

void TsGaugeSkinPainter::PaintCache() const {
  TBitmap& cache = skinData_.PrepareCache();
  const int width = cache.Width();
  const int height = cache.Height();

  TsBackgroundRequest background;
  AskForBackground(background, gauge_.Parent(), false);
  PaintSkinItem(skinData_, CacheInfoFromRequest(background), true, false, &cache.Pixels(),
                Point(gauge_.Left(), gauge_.Top()), Rect(0, 0, width, height), 0);

  TCanvas& canvas = cache.Canvas();
  canvas.Pen.SetWidth(1);
  switch (gauge_.Kind()) {
    case gkHorizontalBar:
    case gkVerticalBar:
      DrawBar();
      break;
    case gkPie:
      DrawPie(canvas);
      break;
    case gkNeedle:
      DrawNeedle(canvas);
      break;
    case gkText:
      break;
  }
  if (gauge_.ShowText()) DrawText(canvas);

  skinData_.CacheRebuilt();
}

void TsGaugeSkinPainter::DrawBar() const {
  const TsSkinManager* manager = skinData_.SkinManager();
  if (!manager) return;
  const TsSkinContent& skin = manager->Content();
  const bool horizontal = gauge_.Kind() == gkHorizontalBar;
  std::string section = gauge_.ProgressSkin();
  if (section.empty()) section = horizontal ? "PROGRESSH" : "PROGRESSV";
  const int index = skin.GetSkinIndex(section);
  if (!skin.IsValidSkinIndex(index)) return;

  TBitmap& cache = *skinData_.CacheBmp();
  const int width = cache.Width();
  const int height = cache.Height();
  const int length = horizontal ? std::min(gauge_.FillLength(width), width) : std::min(gauge_.FillLength(height), height);
  if (length <= 0) return;
  const TPoint origin = horizontal ? Point(0, 0) : Point(0, height - length);
  TBitmap piece(horizontal ? length : width, horizontal ? height : length);
  // The filled part shows the gauge's own section through where it is
  // transparent: its background is the cache at the piece's place.
  PaintItem(index, section, MakeCacheInfo(&cache.Pixels(), origin.X, origin.Y), -1,
            skin.GetTextureIndex(index, section, "PATTERN"), &skin, &piece.Pixels(), Point(0, 0),
            Rect(0, 0, piece.Width(), piece.Height()), 0, true);
  BitBlt(cache.Canvas().Handle(), origin.X, origin.Y, piece.Width(), piece.Height(), piece.Canvas().Handle(), 0, 0,
         SRCCOPY);
}

void TsGaugeSkinPainter::DrawPie(TCanvas& canvas) const {
  const int w = gauge_.Width();
  const int h = gauge_.Height();
  canvas.Pen.SetColor(gauge_.ForeColor());
  // The inside of the ellipse keeps the canvas's brush; a fresh canvas
  // brush is the gauge's background colour.
  canvas.Brush.SetColor(gauge_.BackColor());
  canvas.Ellipse(Rect(0, 0, w, h));
  const int percent = gauge_.PercentDone();
  if (percent <= 0) return;
  canvas.Brush.SetColor(gauge_.ForeColor());
  SelectCanvasTools(canvas);
  const TPoint start = PieWedgeStart(percent, w / 2, h / 2);
  Pie(canvas.Handle(), 0, 0, w, h, start.X, start.Y, w / 2, 0);
}

void TsGaugeSkinPainter::DrawNeedle(TCanvas& canvas) const {
  const int w = gauge_.Width();
  const int h = gauge_.Height();
  canvas.Brush.SetStyle(bsClear);
  SelectCanvasTools(canvas);
  Pie(canvas.Handle(), 0, 0, w, 2 * h - 1, w, h - 1, 0, h - 1);
  canvas.MoveTo(0, h);
  canvas.LineTo(w, h);
  canvas.Pen.SetStyle(psSolid);
  canvas.Pen.SetColor(gauge_.ForeColor());
  SelectCanvasTools(canvas);
  Pie(canvas.Handle(), 0, 0, w, 2 * h - 1, w, h - 1, 0, h - 1);
  const int percent = gauge_.PercentDone();
  if (percent <= 0) return;
  const TPoint tip = NeedleTip(percent, w / 2, h - 1);
  canvas.MoveTo(w / 2, h - 1);
  canvas.LineTo(tip.X, tip.Y);
}

void TsGaugeSkinPainter::DrawText(TCanvas& canvas) const {
  canvas.Font.Assign(gauge_.Font());
  HDC dc = canvas.Handle();
  SelectObject(dc, CreateFontIndirect(canvas.Font.ToLogFont()));
  unsigned format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
  const std::string text = std::to_string(gauge_.PercentDone()) + gauge_.Suffix();
  WriteSkinText(dc, text, gauge_.Enabled(), false, skinData_, format, Rect(0, 0, gauge_.Width(), gauge_.Height()));
}
