#include "framework/controls/TBitBtn.h"

#include <array>

#include "framework/TCustomForm.h"
#include "framework/controls/GlyphCell.h"
#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"
#include "platform/windowing/WinUser.h"

namespace {

struct KindInfo {
  const char* Glyph;
  const char* Caption;
  TModalResult Result;
  TColor Color;  // the colour its picture is drawn in
};

// In the order of TBitBtnKind.
constexpr std::array<KindInfo, 11> kKinds = {{
    {"", "", mrNone, clBlack},
    {"BBOK", "OK", mrOk, clGreen},
    {"BBCANCEL", "Cancel", mrCancel, clRed},
    {"BBHELP", "&Help", mrNone, clNavy},
    {"BBYES", "&Yes", mrYes, clGreen},
    {"BBNO", "&No", mrNo, clRed},
    {"BBCLOSE", "&Close", mrNone, clTeal},
    {"BBABORT", "Abort", mrAbort, clRed},
    {"BBRETRY", "&Retry", mrRetry, clGreen},
    {"BBIGNORE", "&Ignore", mrIgnore, clOlive},
    {"BBALL", "&All", mrAll, clGreen},
}};

constexpr int kGlyphSize = 18;

}  // namespace

const TClassInfo& TBitBtn::StaticClassInfo() {
  static const TClassInfo info("TBitBtn", &TButton::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<TBitBtn>());
    TPropertyBuilder<TBitBtn>(c)
        .Object("Glyph", &TBitBtn::Glyph)
        .Enumeration("Kind",
                     {"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose", "bkAbort", "bkRetry",
                      "bkIgnore", "bkAll"},
                     &TBitBtn::Kind, &TBitBtn::SetKind)
        .Enumeration("Layout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}, &TBitBtn::Layout,
                     &TBitBtn::SetLayout)
        .Integer("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin)
        .Integer("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs)
        .Integer("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing);
  });
  return info;
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {
  glyph_.OnChange = [this](TObject*) { Invalidate(); };
}

std::string TBitBtn::GlyphName(TBitBtnKind kind) { return kKinds[static_cast<std::size_t>(kind)].Glyph; }
std::string TBitBtn::KindCaption(TBitBtnKind kind) { return kKinds[static_cast<std::size_t>(kind)].Caption; }

void TBitBtn::SetKind(TBitBtnKind kind) {
  if (kind == kind_) return;
  kind_ = kind;
  if (kind == bkCustom) return;
  const KindInfo& info = kKinds[static_cast<std::size_t>(kind)];
  SetCaption(info.Caption);
  SetModalResult(info.Result);
  if (kind == bkOK || kind == bkYes) SetDefault(true);
  if (kind == bkCancel || kind == bkNo) SetCancel(true);
  DrawStandardGlyph(kind, glyph_);
  numGlyphs_ = 2;
}

void TBitBtn::SetNumGlyphs(int count) {
  if (count < 1 || count > 4 || count == numGlyphs_) return;
  numGlyphs_ = count;
  Invalidate();
}

void TBitBtn::SetLayout(TButtonLayout layout) {
  if (layout == layout_) return;
  layout_ = layout;
  Invalidate();
}

void TBitBtn::SetMargin(int margin) {
  if (margin == margin_) return;
  margin_ = margin;
  Invalidate();
}

void TBitBtn::SetSpacing(int spacing) {
  if (spacing == spacing_) return;
  spacing_ = spacing;
  Invalidate();
}

void TBitBtn::Click() {
  // A close button closes its form once the handler has run.
  if (kind_ == bkClose) {
    TButton::Click();
    if (TCustomForm* form = GetParentForm(this)) form->Close();
    return;
  }
  TButton::Click();
}

void TBitBtn::DrawStandardGlyph(TBitBtnKind kind, TBitmap& target) {
  // Two cells: the normal picture and its grey disabled twin.
  target.SetSize(2 * kGlyphSize, kGlyphSize);
  TCanvas& canvas = target.Canvas();
  canvas.Brush.SetColor(clOlive);  // the transparent colour: bottom-left pixel
  canvas.FillRect(Rect(0, 0, 2 * kGlyphSize, kGlyphSize));
  if (kind == bkCustom) return;
  TColor colors[2] = {kKinds[static_cast<std::size_t>(kind)].Color, clGray};
  if (colors[0] == clOlive) colors[0] = clMaroon;
  for (int cell = 0; cell < 2; ++cell) {
    int ox = cell * kGlyphSize;
    canvas.Pen.SetColor(colors[cell]);
    canvas.Pen.SetWidth(2);
    switch (kind) {
      case bkOK:
      case bkYes:
      case bkAll:
        canvas.MoveTo(ox + 3, 9);
        canvas.LineTo(ox + 7, 13);
        canvas.LineTo(ox + 15, 4);
        break;
      case bkCancel:
      case bkNo:
      case bkAbort:
        canvas.MoveTo(ox + 4, 4);
        canvas.LineTo(ox + 14, 14);
        canvas.MoveTo(ox + 14, 4);
        canvas.LineTo(ox + 4, 14);
        break;
      default:
        canvas.Brush.SetColor(colors[cell]);
        canvas.Ellipse(Bounds(ox + 4, 4, 10, 10));
        canvas.Brush.SetColor(clOlive);
        break;
    }
  }
  target.SetTransparentColor(clOlive);
}

void TBitBtn::PaintGlyph() {
  if (glyph_.Empty() || !HandleAllocated()) return;
  TBitmap part;
  const int cell = TakeGlyphCell(glyph_, numGlyphs_, Enabled(), part);
  int margin = margin_ < 0 ? 4 : margin_;
  int x = layout_ == blGlyphRight ? ClientWidth() - margin - cell : margin;
  int y = (ClientHeight() - glyph_.Height()) / 2;
  HDC dc = GetDC(Handle());
  TCanvas canvas(dc);
  canvas.Draw(x, y, part);
  ReleaseDC(Handle(), dc);
}

void TBitBtn::WndProc(TMessage& message) {
  TButton::WndProc(message);
  // The standard button paints face and caption; the picture goes on top.
  if (message.Msg == WM_PAINT && message.WParam == 0) PaintGlyph();
}
