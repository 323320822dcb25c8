#pragma once
// The name field of the personal-data window. While a skin is active the
// platform edit still draws the text, caret and selection, in the section's
// colours (the hot ones while the mouse is over the field or it has focus);
// the field's frame is the outer ring of its cached section picture, and a
// disabled field shows that picture, text and all, with the disabled look.
#include <string>

#include "controls/StoreChanged.h"
#include "controls/buttons/SkinnedButtonProperties.h"
#include "controls/labels/TsBoundLabel.h"
#include "framework/controls/TEdit.h"
#include "skin/TsCommonData.h"

class TsEdit : public TEdit {
 public:
  TRAINER_CLASS_INFO()

  static constexpr int kControlKind = 3;

  explicit TsEdit(TComponent* owner) : TEdit(owner) {}
  ~TsEdit() override;

  void Loaded() override;

  TsCommonData& SkinData() { return skinData_; }
  TsBoundLabel& BoundLabel() { return boundLabel_; }
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind kind) { StoreSetting(*this, disabledKind_, kind); }

  // Width of the frame around the client: what the platform gives the
  // field's border style.
  int BorderWidth() const;
  // Builds the picture of the whole field into the skin state's cache.
  void PaintCache();

 protected:
  void WndProc(TMessage& message) override;
  // The control's own handling; WndProc places the bound caption after it.
  void OwnWndProc(TMessage& message);

 private:
  bool Skinned() const;
  bool Hot() const { return skinData_.Focused() || skinData_.MouseAbove(); }
  // The colour rule with the hot colours, applied before each paint.
  void ApplyStateColors();
  bool HandleSkinCommand(TMessage& message);
  // Builds the picture again when what it shows has changed.
  void RefreshCache();
  void PaintFrame(HDC windowDC);
  void PaintDisabledClient(HDC clientDC);
  void Print(HDC dc);
  void RedrawFrame();

  TsCommonData skinData_{this, false, kControlKind};
  TsBoundLabel boundLabel_;
  TsDisabledKind disabledKind_ = dkBlended;
  bool builtHot_ = false;
  bool builtEnabled_ = true;
  std::string builtText_;
};
