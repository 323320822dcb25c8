#include "framework/controls/TLabel.h"

#include "framework/graphics/TBitmap.h"
#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"
#include "platform/graphics/TextDrawing.h"

const TClassInfo& TLabel::StaticClassInfo() {
  static const TClassInfo info("TLabel", &TGraphicControl::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<TLabel>());
    TPropertyBuilder<TLabel>(c)
        .Enumeration("Alignment", {"taLeftJustify", "taRightJustify", "taCenter"}, &TLabel::Alignment,
                     &TLabel::SetAlignment)
        .Boolean("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize)
        .Enumeration("Layout", {"tlTop", "tlCenter", "tlBottom"}, &TLabel::Layout, &TLabel::SetLayout)
        .Boolean("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar)
        .Boolean("Transparent", &TLabel::Transparent, &TLabel::SetTransparent)
        .Boolean("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap);
  });
  return info;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 65, 17); }

void TLabel::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Invalidate();
}

void TLabel::SetLayout(TTextLayout layout) {
  if (layout == layout_) return;
  layout_ = layout;
  Invalidate();
}

void TLabel::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) return;
  autoSize_ = autoSize;
  AdjustBounds();
}

void TLabel::SetWordWrap(bool wordWrap) {
  if (wordWrap == wordWrap_) return;
  wordWrap_ = wordWrap;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  Invalidate();
}

void TLabel::SetShowAccelChar(bool show) {
  if (show == showAccelChar_) return;
  showAccelChar_ = show;
  AdjustBounds();
  Invalidate();
}

unsigned TLabel::DrawTextFormat() const {
  unsigned format = DT_EXPANDTABS;
  if (!showAccelChar_) format |= DT_NOPREFIX;
  if (wordWrap_) format |= DT_WORDBREAK;
  if (alignment_ == taCenter) format |= DT_CENTER;
  if (alignment_ == taRightJustify) format |= DT_RIGHT;
  return format;
}

TSize TLabel::TextSize() const {
  // Measured on a scratch bitmap: labels have no context outside painting.
  TBitmap scratch(1, 1);
  TCanvas& canvas = scratch.Canvas();
  canvas.Font.Assign(Font());
  TRect r = Rect(0, 0, wordWrap_ ? Width() : 0, 0);
  // A lone "&" only marks an accelerator: it takes the room of a space.
  const bool blank = Caption().empty() || (showAccelChar_ && Caption() == "&");
  std::string text = blank ? std::string(" ") : Caption();
  canvas.DrawText(text, r, DrawTextFormat() | DT_CALCRECT);
  return {r.Width(), r.Height()};
}

void TLabel::AdjustBounds() {
  if (!autoSize_ || IsLoading()) return;
  TSize size = TextSize();
  int left = Left();
  if (alignment_ == taRightJustify) left = Left() + Width() - size.cx;
  if (alignment_ == taCenter) left = Left() + (Width() - size.cx) / 2;
  if (wordWrap_) size.cx = Width();
  SetBounds(left, Top(), size.cx, size.cy);
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TLabel::WndProc(TMessage& message) {
  TGraphicControl::WndProc(message);
  if (message.Msg == CM_TEXTCHANGED || message.Msg == CM_FONTCHANGED) AdjustBounds();
}

void TLabel::Paint() {
  TCanvas& canvas = Canvas();
  TRect r = ClientRect();
  if (!transparent_) {
    canvas.Brush.SetColor(Color());
    canvas.FillRect(r);
  }
  canvas.Brush.SetStyle(bsClear);
  if (layout_ != tlTop) {
    TRect measure = r;
    canvas.DrawText(Caption(), measure, DrawTextFormat() | DT_CALCRECT);
    int dy = r.Height() - measure.Height();
    r.Top += layout_ == tlCenter ? dy / 2 : dy;
  }
  if (!Enabled()) canvas.Font.SetColor(clGrayText);
  canvas.DrawText(Caption(), r, DrawTextFormat());
}
