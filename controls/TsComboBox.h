#pragma once
// The command picker. The platform combo box keeps the items, the text, the
// inner edit and the drop-down list; while a skin is active this control
// paints the closed box itself from its section: the frame, the "COMBOBTN"
// button with the "GLYPHMASK" arrow in the state of the moment, and the text
// (an editable box leaves its text to the inner edit while it has focus).
// A long drop-down list gets the skin's frame and scroll bar from the list
// adapter. ReadOnly keeps the choice as it is: letters, the drop-down keys
// and editing are refused, a click only focuses the box.
#include <memory>
#include <string>

#include "adapters/TacScrollWnd.h"
#include "controls/StoreChanged.h"
#include "controls/TsComboBoxGeometry.h"
#include "controls/buttons/SkinnedButtonProperties.h"
#include "controls/labels/TsBoundLabel.h"
#include "framework/controls/TComboBox.h"
#include "framework/controls/TLabel.h"
#include "platform/windowing/WindowSubclass.h"
#include "skin/TsCommonData.h"

class TsComboBox : public TComboBox {
 public:
  TRAINER_CLASS_INFO()

  static constexpr int kControlKind = 3;

  explicit TsComboBox(TComponent* owner);
  ~TsComboBox() override;

  void Loaded() override;

  TsCommonData& SkinData() { return skinData_; }
  TsBoundLabel& BoundLabel() { return boundLabel_; }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment) { StoreSetting(*this, alignment_, alignment); }
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind kind) { StoreSetting(*this, disabledKind_, kind); }
  // Height of the list's lines; the plain combo box window sizes its own.
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int height) { StoreSetting(*this, itemHeight_, height); }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { StoreSetting(*this, readOnly_, value); }

  // The parts of the box at its present size and style.
  TsComboBoxGeometry Geometry() const;
  // The inner edit of an editable box, or null.
  HWND InnerEdit() const;
  // The drop-down list window.
  HWND ListWindow() const;
  // The adapter skinning the drop-down list, or null while it has none.
  TacScrollWnd* ListAdapter() const { return listAdapter_.get(); }
  // The inner edit paints itself (else the box's picture shows its text).
  bool InnerEditPaints() const;
  // Builds the picture of the closed box into the skin state's cache.
  void PaintCache();

 protected:
  void CreateWnd() override;
  bool CustomPaint() const override;
  void PaintWindow(HDC dc) override;
  void WndProc(TMessage& message) override;
  // The control's own handling; WndProc places the bound caption after it.
  void OwnWndProc(TMessage& message);

 private:
  friend LRESULT InnerEditProc(HWND, UINT, WPARAM, LPARAM);
  // What the picture was made from; a different one means painting again.
  struct LookKey {
    std::string Text;
    int BoxState = -1;
    int ButtonState = -1;
    bool Focused = false;
    bool Enabled = true;
    bool operator==(const LookKey&) const = default;
  };
  LookKey CurrentLook() const;
  bool Skinned() const;
  bool HandleSkinCommand(TMessage& message);
  bool HandleNotification(TMessage& message);
  // Read-only filtering of the box's and its inner edit's input; answers
  // whether the message was swallowed.
  bool RefusedWhileReadOnly(UINT msg, WPARAM wParam) const;
  void FocusChanged(bool focused);
  void MouseChanged(bool above);
  void RepaintNow();
  void InvalidateWithEdit();
  // The part of the box's picture under its idle inner edit, onto the
  // edit's context.
  void PaintUnderInnerEdit(HDC dc);
  // Builds the picture again when what it shows has changed.
  void RefreshCache();
  // The colour rule: the section's colours while skinned, the system's after.
  void ApplySectionColors();
  void ApplySystemColors();
  void SubclassInnerEdit();
  void ReleaseInnerEdit();
  LRESULT InnerEditMessage(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam);
  // Puts the inner edit over the skinned text rectangle.
  void PlaceInnerEdit();
  void AttachListAdapter();
  void DetachListAdapter();

  TsCommonData skinData_{this, false, kControlKind};
  TsBoundLabel boundLabel_;
  TAlignment alignment_ = taLeftJustify;
  TsDisabledKind disabledKind_ = dkBlended;
  int itemHeight_ = 16;
  bool readOnly_ = false;
  bool buttonPressed_ = false;
  LookKey builtLook_;
  HWND innerEdit_ = nullptr;
  WindowSubclass innerEditSubclass_;
  std::unique_ptr<TacScrollWnd> listAdapter_;
  bool listAttachTried_ = false;
};
