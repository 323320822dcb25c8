#pragma once
// A push button with a picture. Its Kind gives standard buttons their
// caption, result and glyph ("BBOK", "BBCANCEL" ...): bkOK is a default
// button closing with mrOk, bkCancel a cancel button closing with mrCancel.
#include <string>

#include "framework/controls/TButton.h"
#include "framework/graphics/TBitmap.h"

enum TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

class TBitBtn : public TButton {
 public:
  TRAINER_CLASS_INFO()

  explicit TBitBtn(TComponent* owner);

  TBitBtnKind Kind() const { return kind_; }
  void SetKind(TBitBtnKind kind);
  TBitmap& Glyph() { return glyph_; }
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int count);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout);
  int Margin() const { return margin_; }
  void SetMargin(int margin);
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing);

  void Click() override;

  // The glyph resource name of a kind ("BBOK"), empty for bkCustom.
  static std::string GlyphName(TBitBtnKind kind);
  // The caption of a kind ("OK", "Cancel", "&Help" ...).
  static std::string KindCaption(TBitBtnKind kind);
  // The standard picture of a kind, 18 pixels square, bottom-left pixel transparent.
  static void DrawStandardGlyph(TBitBtnKind kind, TBitmap& target);

 protected:
  void WndProc(TMessage& message) override;

 private:
  void PaintGlyph();

  TBitBtnKind kind_ = bkCustom;
  TBitmap glyph_;
  int numGlyphs_ = 1;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
};
