#pragma once
// The "Панель Управления" frame. While a skin is active it paints itself
// from its section into its cache: the band behind the caption from the
// parent's picture, the frame from the caption's middle down, the caption on
// the "CHECKBOX" (or CaptionSkin) section, then its windowless children.
#include <string>

#include "controls/StoreChanged.h"
#include "controls/TsGroupBoxCaption.h"
#include "framework/controls/TGroupBox.h"
#include "skin/TsCommonData.h"

class TsGroupBox : public TGroupBox {
 public:
  TRAINER_CLASS_INFO()

  static constexpr int kControlKind = 74;

  explicit TsGroupBox(TComponent* owner);
  TRect CaptionRect() { return CaptionGeometry().Rect(); }

  TsCommonData& SkinData() { return skinData_; }
  // The caption's place for the current size, font and settings.
  TsGroupBoxCaption CaptionGeometry();
  TsCaptionLayoutPos CaptionLayout() const { return captionLayout_; }
  void SetCaptionLayout(TsCaptionLayoutPos layout);
  int CaptionYOffset() const { return captionYOffset_; }
  void SetCaptionYOffset(int offset);
  // The section behind the caption; empty means the skin's own choice.
  const std::string& CaptionSkin() const { return captionSkin_; }
  void SetCaptionSkin(const std::string& section);

  void Loaded() override;
  // Children lie below the caption band: the client area's top moves down
  // by CaptionYOffset.
  void AdjustClientRect(TRect& rect) const override;
  // Builds the cache: caption band, frame, caption.
  void PaintCache();

 protected:
  bool CustomPaint() const override { return skinData_.Skinned(); }
  // Skinned: the road of one repaint (cache, windowless children, held
  // child windows); otherwise the plain group box.
  void PaintClient(HDC dc) override;
  void WndProc(TMessage& message) override;

 private:
  bool HandleSkinCommand(TMessage& message);
  // With CaptionSkin the box lends its own picture to its children.
  bool LendOwnPicture(TMessage& message);
  // Moves and visibility: the picture under the box may have changed.
  void MarkMovedBackground(const TMessage& message);
  // Whether the box shows its parent's picture cut at the parent's edge.
  void NotePartlyHidden();

  TsCommonData skinData_{this, false, kControlKind};
  TsCaptionLayoutPos captionLayout_ = clTopLeft;
  int captionYOffset_ = 0;
  std::string captionSkin_;
};
