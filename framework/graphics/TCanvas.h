#pragma once
// Drawing with a font, a brush and a pen over a drawing context: the tools
// are selected into the context before each operation, so changing them
// between calls just works. The context belongs to whoever made it (a paint
// handler, a bitmap); the canvas only borrows it.
#include <string>
#include <string_view>

#include "framework/graphics/TBrush.h"
#include "framework/graphics/TFont.h"
#include "framework/graphics/TPen.h"
#include "platform/Geometry.h"
#include "platform/graphics/DeviceContext.h"

class TGraphic;

class TCanvas : public TPersistent {
 public:
  TRAINER_CLASS_INFO()

  TCanvas() = default;
  explicit TCanvas(HDC dc) : dc_(dc) {}

  HDC Handle() const { return dc_; }
  void SetHandle(HDC dc) { dc_ = dc; }
  bool HandleAllocated() const { return dc_ != nullptr; }

  TFont Font;
  TBrush Brush;
  TPen Pen;

  // Every call does nothing without a context.
  void FillRect(const TRect& rect);
  void FrameRect(const TRect& rect);
  void Rectangle(const TRect& rect);
  void Ellipse(const TRect& rect);
  void RoundRect(const TRect& rect, int cornerWidth, int cornerHeight);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  TPoint PenPos() const { return penPos_; }
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);

  void TextOut(int x, int y, std::string_view text);
  // Text clipped to `rect`, starting at (x, y).
  void TextRect(const TRect& rect, int x, int y, std::string_view text);
  // DrawText with the canvas font and colour; answers the text height.
  int DrawText(std::string_view text, TRect& rect, unsigned format);
  TSize TextExtent(std::string_view text);
  int TextWidth(std::string_view text) { return TextExtent(text).cx; }
  int TextHeight(std::string_view text) { return TextExtent(text).cy; }

  // Draws a picture at its own size, or stretched into `rect`.
  void Draw(int x, int y, const TGraphic& graphic);
  void StretchDraw(const TRect& rect, const TGraphic& graphic);
  // Copies `source` of another canvas into `dest`, scaling when sizes differ.
  void CopyRect(const TRect& dest, const TCanvas& canvas, const TRect& source);

 private:
  void SelectPenAndBrush();
  void SelectFont();

  HDC dc_ = nullptr;
  TPoint penPos_;
};
