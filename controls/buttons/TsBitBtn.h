#pragma once
// The skinned bitmap button ("ВЫПОЛНИТЬ", the OK button of the name window).
// With an active skin it is owner-drawn from its section like TsButton, its
// glyph and caption placed as a group by Layout, Margin, Spacing and
// Alignment; a standard Kind with an empty caption shows the kind's caption
// ("OK") beside the kind's glyph. Without a skin it is the plain bitmap
// button.
#include <string>

#include "controls/buttons/SkinnedButtonSettings.h"
#include "controls/buttons/TsButtonGeometry.h"
#include "controls/buttons/TsWindowedButtonSkin.h"
#include "framework/controls/TBitBtn.h"

class TsBitBtn : public TBitBtn,
                 public TsButtonSkinSettings,
                 public TsWindowedButtonSkin,
                 public TsGlyphButtonSettings {
 public:
  TRAINER_CLASS_INFO()

  static constexpr int kControlKind = 94;

  explicit TsBitBtn(TComponent* owner);

  bool ShowFocus() const { return showFocus_; }
  void SetShowFocus(bool show) { StoreButtonSetting(*this, showFocus_, show); }

  // What the caption shows: the caption, or a standard kind's own.
  std::string ShownCaption() const;
  // The glyph's size: one cell of the glyph bitmap, else the image list's
  // picture, 0 x 0 without either.
  TSize GlyphSize();
  // Glyph and caption rectangles in the given state (cache font).
  TRect GlyphRect(int state);
  TRect CaptionRect(int state);
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

  // Raised with the finished cache each time the skinned picture is made.
  TsButtonPaintEvent OnPaint;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  void SetButtonStyle(bool isDefault) override;

 private:
  unsigned CaptionFormat() const;
  TsGlyphLayoutInput LayoutInput(int state);
  void PaintGlyph(TBitmap& cache, int state);
  void PaintCaption(TBitmap& cache, int state);

  bool showFocus_ = true;
};
