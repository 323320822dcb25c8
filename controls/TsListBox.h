#pragma once
// The command list of the task windows: the plain list box with the skin
// settings and the list options of the skinned one. The plain list box
// window takes the items, selection and item height; the other options
// (columns, sorting, multiple selection, incremental search) are kept for
// the skinned list box and not applied to the window yet.
#include "controls/SkinnedButtonProperties.h"
#include "controls/StoreChanged.h"
#include "controls/TsBoundLabel.h"
#include "controls/TsControlSkinData.h"
#include "framework/TCustomForm.h"
#include "framework/TListBox.h"

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable, lbVirtual, lbVirtualOwnerDraw };

class TsListBox : public TListBox {
 public:
  TRAINER_CLASS_INFO()

  static constexpr int kControlKind = 97;

  explicit TsListBox(TComponent* owner);

  TsControlSkinData& SkinData() { return skinData_; }
  TsBoundLabel& BoundLabel() { return boundLabel_; }
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind kind) { Store(disabledKind_, kind); }
  // Milliseconds between keys that still extend the search text.
  int AutoCompleteDelay() const { return autoCompleteDelay_; }
  void SetAutoCompleteDelay(int ms) { autoCompleteDelay_ = ms; }
  bool AutoComplete() const { return autoComplete_; }
  void SetAutoComplete(bool value) { autoComplete_ = value; }
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style) { Store(borderStyle_, style); }
  int Columns() const { return columns_; }
  void SetColumns(int columns) { Store(columns_, columns); }
  bool IntegralHeight() const { return integralHeight_; }
  void SetIntegralHeight(bool value) { Store(integralHeight_, value); }
  bool Sorted() const { return sorted_; }
  void SetSorted(bool value) { Store(sorted_, value); }
  TListBoxStyle Style() const { return style_; }
  void SetStyle(TListBoxStyle style) { Store(style_, style); }
  int TabWidth() const { return tabWidth_; }
  void SetTabWidth(int width) { Store(tabWidth_, width); }
  bool AutoHideScroll() const { return autoHideScroll_; }
  void SetAutoHideScroll(bool value) { Store(autoHideScroll_, value); }
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool value) { Store(multiSelect_, value); }
  bool ExtendedSelect() const { return extendedSelect_; }
  void SetExtendedSelect(bool value) { Store(extendedSelect_, value); }

 private:
  template <class V>
  void Store(V& field, V value) {
    if (StoreChanged(field, value) && !IsLoading()) Invalidate();
  }

  TsControlSkinData skinData_{this, kControlKind};
  TsBoundLabel boundLabel_;
  TsDisabledKind disabledKind_ = dkBlended;
  int autoCompleteDelay_ = 500;
  bool autoComplete_ = true;
  TFormBorderStyle borderStyle_ = bsSingle;
  int columns_ = 0;
  bool integralHeight_ = false;
  bool sorted_ = false;
  TListBoxStyle style_ = lbStandard;
  int tabWidth_ = 0;
  bool autoHideScroll_ = true;
  bool multiSelect_ = false;
  bool extendedSelect_ = true;
};
