#include "framework/graphics/TCanvas.h"

#include "framework/graphics/TGraphic.h"
#include "framework/streaming/TClassInfo.h"
#include "platform/graphics/BlockTransfer.h"
#include "platform/graphics/Fills.h"
#include "platform/graphics/Shapes.h"
#include "platform/graphics/TextDrawing.h"

const TClassInfo& TCanvas::StaticClassInfo() {
  static const TClassInfo info("TCanvas", &TPersistent::StaticClassInfo());
  return info;
}

void TCanvas::SelectPenAndBrush() {
  SelectObject(dc_, Pen.ToPen());
  SelectObject(dc_, Brush.ToBrush());
}

void TCanvas::SelectFont() {
  SelectObject(dc_, CreateFontIndirect(Font.ToLogFont()));
  SetTextColor(dc_, Font.Color());
  // Text cells take the brush colour unless the brush is clear.
  SetBkMode(dc_, Brush.Style() == bsClear ? TRANSPARENT : OPAQUE);
  SetBkColor(dc_, Brush.Color());
}

void TCanvas::FillRect(const TRect& rect) {
  if (!dc_ || Brush.Style() == bsClear) return;
  ::FillRect(dc_, rect, Brush.ToBrush());
}

void TCanvas::FrameRect(const TRect& rect) {
  if (!dc_) return;
  ::FrameRect(dc_, rect, Brush.ToBrush());
}

void TCanvas::Rectangle(const TRect& rect) {
  if (!dc_) return;
  SelectPenAndBrush();
  ::Rectangle(dc_, rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void TCanvas::Ellipse(const TRect& rect) {
  if (!dc_) return;
  SelectPenAndBrush();
  ::Ellipse(dc_, rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void TCanvas::RoundRect(const TRect& rect, int cornerWidth, int cornerHeight) {
  if (!dc_) return;
  SelectPenAndBrush();
  ::RoundRect(dc_, rect.Left, rect.Top, rect.Right, rect.Bottom, cornerWidth, cornerHeight);
}

void TCanvas::MoveTo(int x, int y) {
  penPos_ = {x, y};
  if (dc_) MoveToEx(dc_, x, y);
}

void TCanvas::LineTo(int x, int y) {
  if (dc_) {
    SelectPenAndBrush();
    MoveToEx(dc_, penPos_.X, penPos_.Y);
    ::LineTo(dc_, x, y);
  }
  penPos_ = {x, y};
}

TColor TCanvas::Pixel(int x, int y) const { return dc_ ? GetPixel(dc_, x, y) : CLR_INVALID; }

void TCanvas::SetPixel(int x, int y, TColor color) {
  if (dc_) ::SetPixel(dc_, x, y, color);
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
  if (!dc_) return;
  SelectFont();
  ::TextOut(dc_, x, y, text);
  penPos_ = {x + TextWidth(text), y};
}

void TCanvas::TextRect(const TRect& rect, int x, int y, std::string_view text) {
  if (!dc_) return;
  int level = SaveDC(dc_);
  IntersectClipRect(dc_, rect.Left, rect.Top, rect.Right, rect.Bottom);
  SelectFont();
  ::TextOut(dc_, x, y, text);
  RestoreDC(dc_, level);
}

int TCanvas::DrawText(std::string_view text, TRect& rect, unsigned format) {
  if (!dc_) return 0;
  SelectFont();
  return ::DrawText(dc_, text, rect, format);
}

TSize TCanvas::TextExtent(std::string_view text) {
  TSize size;
  if (!dc_) return size;
  SelectFont();
  GetTextExtentPoint32(dc_, text, &size);
  return size;
}

void TCanvas::Draw(int x, int y, const TGraphic& graphic) {
  if (!dc_ || graphic.Empty()) return;
  graphic.Draw(*this, Bounds(x, y, graphic.Width(), graphic.Height()));
}

void TCanvas::StretchDraw(const TRect& rect, const TGraphic& graphic) {
  if (!dc_ || graphic.Empty()) return;
  graphic.Draw(*this, rect);
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& canvas, const TRect& source) {
  if (!dc_ || !canvas.dc_ || dest.IsEmpty() || source.IsEmpty()) return;
  StretchBlt(dc_, dest.Left, dest.Top, dest.Width(), dest.Height(), canvas.dc_, source.Left, source.Top,
             source.Width(), source.Height(), SRCCOPY);
}
