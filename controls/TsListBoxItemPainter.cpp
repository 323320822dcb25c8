#include "controls/TsListBoxItemPainter.h"

#include "platform/graphics/Fills.h"
#include "platform/graphics/TextDrawing.h"

void TsListBoxItemPainter::Paint(TCanvas& canvas, const TRect& row, const std::string& text,
                                 const TsListItemLook& look, const std::function<bool()>& owner) {
  if (!canvas.HandleAllocated()) return;
  // Text cells take the brush colour too, so they blend with the fill.
  canvas.Brush.SetColor(ColorToRGB(look.Background));
  canvas.Font.SetColor(ColorToRGB(look.TextColor));
  canvas.FillRect(row);
  if (owner) {
    if (!owner()) return;
  } else {
    TRect inner = row;
    if (look.RightToLeft) inner.Right -= 2;
    else inner.Left += 2;
    canvas.DrawText(text, inner,
                    (look.RightToLeft ? DT_RIGHT : DT_LEFT) | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  if (look.Focused) DrawFocusRect(canvas.Handle(), row);
}
