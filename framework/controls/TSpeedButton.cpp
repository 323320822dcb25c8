#include "framework/controls/TSpeedButton.h"

#include "framework/TWinControl.h"
#include "framework/controls/GlyphCell.h"
#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"
#include "platform/graphics/Fills.h"
#include "platform/graphics/TextDrawing.h"

const TClassInfo& TSpeedButton::StaticClassInfo() {
  static const TClassInfo info("TSpeedButton", &TGraphicControl::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<TSpeedButton>());
    TPropertyBuilder<TSpeedButton>(c)
        .Boolean("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp)
        .Boolean("Down", &TSpeedButton::Down, &TSpeedButton::SetDown)
        .Boolean("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat)
        .Object("Glyph", &TSpeedButton::Glyph)
        .Integer("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex)
        .Integer("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs);
  });
  return info;
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 23, 22);
  glyph_.OnChange = [this](TObject*) { Invalidate(); };
}

void TSpeedButton::SetFlat(bool flat) {
  if (flat == flat_) return;
  flat_ = flat;
  Invalidate();
}

void TSpeedButton::SetDown(bool down) {
  if (down == down_) return;
  if (groupIndex_ == 0) down = false;  // only grouped buttons stay down
  if (down == down_) return;
  down_ = down;
  // The others of the group come up.
  if (down && Parent()) {
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
      auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
      if (other && other != this && other->groupIndex_ == groupIndex_ && other->down_) {
        other->down_ = false;
        other->Invalidate();
      }
    }
  }
  Invalidate();
}

void TSpeedButton::SetNumGlyphs(int count) {
  if (count < 1 || count > 4 || count == numGlyphs_) return;
  numGlyphs_ = count;
  Invalidate();
}

void TSpeedButton::Click() {
  if (groupIndex_ != 0) SetDown(!down_ || !allowAllUp_);
  TGraphicControl::Click();
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft && Enabled()) {
    pressed_ = true;
    Invalidate();
  }
  TGraphicControl::MouseDown(button, shift, x, y);
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft && pressed_) {
    pressed_ = false;
    Invalidate();
  }
  TGraphicControl::MouseUp(button, shift, x, y);
}

void TSpeedButton::WndProc(TMessage& message) {
  if (message.LParam == 0 && (message.Msg == CM_MOUSEENTER || message.Msg == CM_MOUSELEAVE)) {
    mouseIn_ = message.Msg == CM_MOUSEENTER;
    if (flat_) Invalidate();
  }
  TGraphicControl::WndProc(message);
}

void TSpeedButton::Paint() {
  TCanvas& canvas = Canvas();
  TRect r = ClientRect();
  bool sunken = pressed_ || down_;
  canvas.Brush.SetColor(Color());
  canvas.FillRect(r);
  HDC dc = canvas.Handle();
  if (!flat_ || mouseIn_ || sunken) {
    TRect edge = r;
    DrawEdge(dc, edge, sunken ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  }
  int shift = sunken ? 1 : 0;
  int x = 4 + shift;
  if (!glyph_.Empty()) {
    TBitmap part;
    const int cell = TakeGlyphCell(glyph_, numGlyphs_, Enabled(), part);
    int y = (Height() - glyph_.Height()) / 2 + shift;
    canvas.Draw(Caption().empty() ? (Width() - cell) / 2 + shift : x, y, part);
    x += cell + 4;
  }
  if (!Caption().empty()) {
    canvas.Brush.SetStyle(bsClear);
    if (!Enabled()) canvas.Font.SetColor(clGrayText);
    TRect text = r.Offset(shift, shift);
    if (!glyph_.Empty()) text.Left = x;
    canvas.DrawText(Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
}
