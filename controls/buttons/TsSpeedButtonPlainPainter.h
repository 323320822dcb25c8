#pragma once
// The plain look of a speed button whose picture comes from its image list
// (its Glyph bitmap empty, the skin off): the plain button's face and edge,
// the list's picture where the plain look puts a Glyph (centred without a
// caption, else 4 pixels from the left with the caption after it), grey
// while the button is disabled, since a list picture has no disabled cell.
class Bitmap;
class TCanvas;
class TsSpeedButton;

class TsSpeedButtonPlainPainter {
 public:
  TsSpeedButtonPlainPainter(const TsSpeedButton& button, TCanvas& canvas) : button_(button), canvas_(canvas) {}

  void Paint(const Bitmap& picture) const;

 private:
  void DrawFace(bool sunken) const;
  void DrawPicture(const Bitmap& picture, int x, int y) const;

  const TsSpeedButton& button_;
  TCanvas& canvas_;
};
