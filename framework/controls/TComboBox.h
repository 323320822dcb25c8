#pragma once
// A drop-down box over the standard "COMBOBOX" window: an editable text field
// (csDropDown) or a fixed choice (csDropDownList). OnChange fires on every
// edit of the text and when an entry is chosen (then the text is the entry).
#include "framework/TWinControl.h"
#include "framework/controls/TWindowStrings.h"

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };

class TComboBox : public TWinControl {
 public:
  TRAINER_CLASS_INFO()

  explicit TComboBox(TComponent* owner);

  TStrings& Items() { return items_; }
  int ItemIndex() const;
  void SetItemIndex(int index);
  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle style);
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int count) { dropDownCount_ = count; }
  bool DroppedDown() const;
  // False: a flat one-pixel border instead of the sunken edge.
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool value);
  // The text field's current text.
  std::string CurrentText() const;
  void SetText(const std::string& text) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  bool ClicksOnMouseUp() const override { return false; }
  virtual void Change();

 private:
  TWindowStrings items_;
  TComboBoxStyle style_ = csDropDown;
  int itemIndex_ = -1;
  int dropDownCount_ = 8;
  bool ctl3D_ = true;
};
