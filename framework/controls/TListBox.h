#pragma once
// A single-selection list of lines over the standard "LISTBOX" window.
// OnClick fires when the user changes the selection.
#include <functional>

#include "framework/TWinControl.h"
#include "framework/controls/TWindowStrings.h"

// The state of an owner-drawn item; the flags are the platform's ODS_ bits.
enum TOwnerDrawStateFlag : unsigned { odSelected = 0x1, odGrayed = 0x2, odDisabled = 0x4, odFocused = 0x10 };
using TOwnerDrawState = unsigned;
// Draws item Index into Rect of the list's canvas.
using TDrawItemEvent = std::function<void(TWinControl* Control, int Index, const TRect& Rect, TOwnerDrawState State)>;
// Gives item Index its height (Height starts at the list's item height).
using TMeasureItemEvent = std::function<void(TWinControl* Control, int Index, int& Height)>;

class TListBox : public TWinControl {
 public:
  TRAINER_CLASS_INFO()

  explicit TListBox(TComponent* owner);

  TStrings& Items() { return items_; }
  // -1 when nothing is selected.
  int ItemIndex() const;
  void SetItemIndex(int index);
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int height);
  int TopIndex() const;
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool value) { ctl3D_ = value; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  bool ClicksOnMouseUp() const override { return false; }

 private:
  TWindowStrings items_;
  int itemIndex_ = -1;  // kept while there is no window
  int itemHeight_ = 13;
  bool ctl3D_ = true;
};
