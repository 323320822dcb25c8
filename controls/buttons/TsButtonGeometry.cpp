#include "controls/buttons/TsButtonGeometry.h"

namespace {

int MarginOf(int margin) { return margin < 0 ? 0 : margin + 3; }

TRect PressedShift(TRect r, bool pressed) { return pressed ? r.Offset(1, 1) : r; }

int EffectiveSpacing(const TsGlyphLayoutInput& in) {
  const bool glyph = in.Glyph.cx > 0 && in.Glyph.cy > 0;
  const bool text = in.Text.cx > 0;
  return glyph && text ? in.Spacing : 0;
}

}  // namespace

TRect CenteredCaptionRect(TSize button, TSize text, bool pressed) {
  const int dx = (button.cx - text.cx) / 2;
  const int dy = (button.cy - text.cy) / 2;
  return PressedShift(Rect(dx - 1, dy, button.cx - dx + 2, button.cy - dy), pressed);
}

TRect BitBtnGlyphRect(const TsGlyphLayoutInput& in) {
  const int W = in.Button.cx, H = in.Button.cy;
  const int GW = in.Glyph.cx, GH = in.Glyph.cy;
  const int TW = in.Text.cx, TH = in.Text.cy;
  const int S = EffectiveSpacing(in);
  const int m = MarginOf(in.Margin);
  const int ox = (W - GW - S - TW) / 2 - m;
  const int oy = (H - GH - S - TH) / 2 - m;
  int x = 0, y = (H - GH) / 2;
  switch (in.Layout) {
    case blGlyphLeft:
      x = in.Alignment == taLeftJustify ? m : in.Alignment == taRightJustify ? m + 2 * ox : m + ox;
      break;
    case blGlyphRight:
      x = in.Alignment == taLeftJustify    ? W - m - 2 * ox - S - GW
          : in.Alignment == taRightJustify ? W - GW - m
                                           : (TW + W + S - GW) / 2;
      break;
    case blGlyphTop:
      x = (W - GW) / 2 + 1;
      y = m + oy;
      break;
    case blGlyphBottom:
      x = (W - GW) / 2 + 1;
      y = H - m - oy - GH;
      break;
  }
  return PressedShift(Rect(x, y, x + GW, y + GH), in.Pressed);
}

TRect BitBtnCaptionRect(const TsGlyphLayoutInput& in) {
  const int W = in.Button.cx, H = in.Button.cy;
  const int TW = in.Text.cx, TH = in.Text.cy;
  const int S = EffectiveSpacing(in);
  // The caption sits on the far side of the glyph, the group placed as the
  // glyph table places it; top and bottom layouts centre it horizontally.
  TsGlyphLayoutInput unpressed = in;
  unpressed.Pressed = false;
  const TRect glyph = BitBtnGlyphRect(unpressed);
  TRect r;
  switch (in.Layout) {
    case blGlyphLeft: {
      const int left = in.Glyph.cx > 0 ? glyph.Right + S : glyph.Left;
      const int top = (H + 1 - TH) / 2;
      r = Rect(left, top, left + TW, top + TH);
      break;
    }
    case blGlyphRight: {
      const int right = in.Glyph.cx > 0 ? glyph.Left - S : glyph.Left;
      const int top = (H + 1 - TH) / 2;
      r = Rect(right - TW, top, right, top + TH);
      break;
    }
    case blGlyphTop: {
      const int left = (W - TW) / 2;
      const int top = glyph.Bottom + S;
      r = Rect(left, top, left + TW, top + TH);
      break;
    }
    case blGlyphBottom: {
      const int left = (W - TW) / 2;
      const int bottom = glyph.Top - S;
      r = Rect(left, bottom - TH, left + TW, bottom);
      break;
    }
  }
  return PressedShift(r, in.Pressed);
}

TRect SpeedButtonCaptionRect(TSize button, TSize text, int arrowWidth, int margin, int textOffset, bool pressed) {
  const int m = MarginOf(margin);
  const int W = button.cx, H = button.cy;
  const int dx = (W - arrowWidth - text.cx) / 2 - m;
  const int dy = (H - text.cy) / 2;
  return PressedShift(Rect(dx - 1 + textOffset, dy, W - arrowWidth - m - dx + 2 + textOffset, H - dy), pressed);
}
