#pragma once
// Text drawn by the parent: alignment, word wrap and, with AutoSize, a size
// that follows the text. Transparent labels leave the parent's picture
// around the letters.
#include "framework/TGraphicControl.h"

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };

class TLabel : public TGraphicControl {
 public:
  TRAINER_CLASS_INFO()

  explicit TLabel(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout layout);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  // "&" marks the next letter as the accelerator (underlined, the "&"
  // itself not shown); "&&" shows one "&". Off: the caption as it is.
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool show);
  bool Opaque() const override { return !transparent_; }

  // The size the text needs with the current font (wrapped at Width with WordWrap).
  TSize TextSize() const;
  // Sizes the label to its text (AutoSize only). Virtual: labels that draw
  // more than their text (a shadow) need more room, also when AutoSize or
  // WordWrap is switched on at run time.
  virtual void AdjustBounds();

 protected:
  void Paint() override;
  void WndProc(TMessage& message) override;
  void Loaded() override;
  unsigned DrawTextFormat() const;

 private:
  TAlignment alignment_ = taLeftJustify;
  TTextLayout layout_ = tlTop;
  bool autoSize_ = true;
  bool wordWrap_ = false;
  bool transparent_ = false;
  bool showAccelChar_ = true;
};
