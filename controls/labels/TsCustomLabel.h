#pragma once
// The common base of the skinned labels: a transparent windowless label that
// can paint a skin section behind its text and takes its text colour from
// the skin. The text itself is one virtual step, so the shadowed label can
// draw it over its blurred shadow and measure the room the shadow needs.
#include <string>

#include "framework/controls/TLabel.h"
#include "paint/CacheInfo.h"

class TsSkinContent;
class TsSkinManager;

class TsCustomLabel : public TLabel {
 public:
  TRAINER_CLASS_INFO()

  explicit TsCustomLabel(TComponent* owner);

  const std::string& SkinSection() const { return skinSection_; }
  void SetSkinSection(const std::string& section);

  // The font the text is written in, after the skin had its say: the colour
  // of the section that lends this label its font, or the skin's global
  // font colour.
  virtual const TFont& CurrentFont();

  // Recomputes the bounds through DoDrawText (AutoSize only), so that a
  // shadowed label keeps room for its shadow.
  void AdjustBounds() override;

  // The skin of the default manager while it is active, else null.
  static const TsSkinContent* ActiveSkin();
  // True while some label is fetching its font for a paint: the font
  // changes made then are not the user's and resize nothing.
  static bool LabelPainting() { return labelPainting_; }

 protected:
  void Paint() override;
  void WndProc(TMessage& message) override;
  void Loaded() override;

  // Writes the caption in rect with DrawText flags, or with DT_CALCRECT
  // measures it and sets rect's right and bottom.
  virtual void DoDrawText(TRect& rect, unsigned flags);
  // The text as a size calculation measures it: a lone space for nothing.
  std::string MeasuredText(unsigned flags) const;
  // The colour behind the label as its parent tells it.
  TColor ParentBackgroundColor() const;
  // What lies under the label, as its parent describes it.
  TCacheInfo BackgroundUnder() const;

  // Repaints after a change of a published setting, except while loading.
  void Changed();

 private:
  // Steps before the standard painting: the font, then the section.
  void PrepareFont();
  void PaintSection();

  static bool labelPainting_;
  std::string skinSection_;
};
