#pragma once
// The command list of the task windows. The platform list box keeps the
// items, selection and keys; while a skin is active the edit-style adapter
// paints the frame from the list box's section and the scroll bars from the
// skin. Typed letters search the items incrementally: keys that follow one
// another within AutoCompleteDelay milliseconds extend the search text.
// Columns and multiple selection are kept as settings. With lbStandard the
// platform window draws its items; the owner-draw styles have the list draw
// each item itself on its canvas (selection and font colour rules, text,
// focus rectangle), or hand the filled row to OnDrawItem; with
// lbOwnerDrawVariable OnMeasureItem gives each item its height.
#include <memory>
#include <string>

#include "adapters/TacScrollWnd.h"
#include "controls/StoreChanged.h"
#include "controls/TsListBoxItemPainter.h"
#include "controls/buttons/SkinnedButtonProperties.h"
#include "controls/labels/TsBoundLabel.h"
#include "framework/TCustomForm.h"
#include "framework/controls/TListBox.h"
#include "platform/controls/ControlMessages.h"
#include "skin/TsCommonData.h"

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable, lbVirtual, lbVirtualOwnerDraw };

class TsListBox : public TListBox {
 public:
  TRAINER_CLASS_INFO()

  static constexpr int kControlKind = 97;

  explicit TsListBox(TComponent* owner);
  ~TsListBox() override;

  void Loaded() override;
  // The adapter that paints the frame and the bars while skinned, or null.
  TacScrollWnd* ScrollAdapter() const { return adapter_.get(); }
  // The text typed so far for the incremental search.
  const std::string& SearchText() const { return searchText_; }

  TsCommonData& SkinData() { return skinData_; }
  TsBoundLabel& BoundLabel() { return boundLabel_; }
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind kind) { StoreSetting(*this, disabledKind_, kind); }
  // Milliseconds between keys that still extend the search text.
  int AutoCompleteDelay() const { return autoCompleteDelay_; }
  void SetAutoCompleteDelay(int ms) { autoCompleteDelay_ = ms; }
  bool AutoComplete() const { return autoComplete_; }
  void SetAutoComplete(bool value) { autoComplete_ = value; }
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style) { StoreSetting(*this, borderStyle_, style); }
  int Columns() const { return columns_; }
  void SetColumns(int columns) { StoreSetting(*this, columns_, columns); }
  bool IntegralHeight() const { return integralHeight_; }
  void SetIntegralHeight(bool value) { StoreSetting(*this, integralHeight_, value); }
  bool Sorted() const { return sorted_; }
  void SetSorted(bool value) { StoreSetting(*this, sorted_, value); }
  TListBoxStyle Style() const { return style_; }
  // A new style needs a new window: the platform reads it at creation.
  void SetStyle(TListBoxStyle style);
  int TabWidth() const { return tabWidth_; }
  void SetTabWidth(int width) { StoreSetting(*this, tabWidth_, width); }
  bool AutoHideScroll() const { return autoHideScroll_; }
  void SetAutoHideScroll(bool value) { StoreSetting(*this, autoHideScroll_, value); }
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool value) { StoreSetting(*this, multiSelect_, value); }
  bool ExtendedSelect() const { return extendedSelect_; }
  void SetExtendedSelect(bool value) { StoreSetting(*this, extendedSelect_, value); }

  // The canvas an OnDrawItem handler draws on (valid during the call).
  TCanvas& Canvas() { return canvas_; }
  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  // The control's own handling; WndProc places the bound caption after it.
  void OwnWndProc(TMessage& message);

 private:
  // Attaches to the adapter while skinned, detaches otherwise.
  void UpdateAdapter();
  bool HandleSkinCommand(TMessage& message);
  // Answers whether the typed character was consumed.
  bool IncrementalSearch(char32_t ch);
  bool IsOwnerDrawStyle() const;
  // CN_DRAWITEM: one item drawn on the canvas; answers TRUE.
  void DrawItem(const DRAWITEMSTRUCT& item);
  TsListItemLook ItemLook(int index, TOwnerDrawState state, bool handlerInCharge);
  void MeasureItem(MEASUREITEMSTRUCT& item);

  std::unique_ptr<TacScrollWnd> adapter_;
  std::string searchText_;
  unsigned lastKeyTime_ = 0;
  bool searchStarted_ = false;
  TCanvas canvas_;
  TsCommonData skinData_{this, false, kControlKind};
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
  // Cleared by the destructor: drawing a row stops when the row's handler
  // freed the list box.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
