#include "framework/controls/TComboBox.h"

#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"
#include "platform/controls/ControlMessages.h"
#include "platform/controls/StandardClasses.h"
#include "platform/windowing/WinUser.h"

const TClassInfo& TComboBox::StaticClassInfo() {
  static const TClassInfo info("TComboBox", &TWinControl::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<TComboBox>());
    TPropertyBuilder<TComboBox>(c)
        .Boolean("Ctl3D", &TComboBox::Ctl3D, &TComboBox::SetCtl3D)
        .Integer("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount)
        .Integer("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex)
        .Object("Items", &TComboBox::Items)
        .Enumeration("Style", {"csDropDown", "csSimple", "csDropDownList"}, &TComboBox::Style, &TComboBox::SetStyle)
        .String("Text", &TComboBox::CurrentText, &TComboBox::SetText)
        .Event("OnChange", &TComboBox::OnChange)
        .Event("OnSelect", &TComboBox::OnSelect)
        .Event("OnDropDown", &TComboBox::OnDropDown)
        .Event("OnCloseUp", &TComboBox::OnCloseUp);
  });
  return info;
}

TComboBox::TComboBox(TComponent* owner)
    : TWinControl(owner),
      items_([this] { return HandleAllocated() ? Handle() : nullptr; },
             {CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT}) {
  SetBounds(0, 0, 145, 21);
  SetTabStop(true);
  SetColor(clWindow);
}

void TComboBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  WNDCLASS standard{};
  if (!GetClassInfo(WC_COMBOBOX, &standard)) RegisterStandardClasses();
  params.BaseClassName = WC_COMBOBOX;
  DWORD kind = style_ == csDropDownList ? CBS_DROPDOWNLIST : style_ == csSimple ? CBS_SIMPLE : CBS_DROPDOWN;
  // The scroll bar is the drop-down list's; the plain border is the flat look.
  params.Style |= kind | CBS_AUTOHSCROLL | WS_VSCROLL | (ctl3D_ ? 0 : WS_BORDER);
}

void TComboBox::SetCtl3D(bool value) {
  if (value == ctl3D_) return;
  ctl3D_ = value;
  if (!IsLoading() && HandleAllocated()) RecreateWnd();
}

void TComboBox::CreateWnd() {
  std::string text = Text();
  TWinControl::CreateWnd();
  if (!HandleAllocated()) return;
  items_.CopyToWindow(Handle());
  if (itemIndex_ >= 0)
    SendMessage(Handle(), CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
  else
    SetWindowText(Handle(), text.c_str());
}

void TComboBox::SetStyle(TComboBoxStyle style) {
  if (style == style_) return;
  style_ = style;
  if (!IsLoading()) RecreateWnd();
}

int TComboBox::ItemIndex() const {
  if (HandleAllocated()) return static_cast<int>(SendMessage(const_cast<TComboBox*>(this)->Handle(), CB_GETCURSEL, 0, 0));
  return itemIndex_;
}

void TComboBox::SetItemIndex(int index) {
  if (index < -1 || index >= items_.Count()) index = -1;
  itemIndex_ = index;
  if (HandleAllocated()) SendMessage(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  if (index >= 0) TControl::SetText(items_[index]);
}

bool TComboBox::DroppedDown() const {
  return HandleAllocated() && SendMessage(const_cast<TComboBox*>(this)->Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

std::string TComboBox::CurrentText() const {
  if (HandleAllocated()) return GetWindowTextString(const_cast<TComboBox*>(this)->Handle());
  return Text();
}

void TComboBox::SetText(const std::string& text) {
  if (HandleAllocated()) SetWindowText(Handle(), text.c_str());
  TControl::SetText(text);
}

void TComboBox::Change() {
  if (OnChange) OnChange(this);
}

void TComboBox::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND) {
    switch (HIWORD(message.WParam)) {
      case CBN_SELCHANGE: {
        itemIndex_ = ItemIndex();
        // The field shows the entry before anyone hears of the choice.
        if (itemIndex_ >= 0) {
          std::string entry = items_[itemIndex_];
          if (HandleAllocated()) SetWindowText(Handle(), entry.c_str());
          TControl::SetText(entry);
        }
        Click();
        if (OnSelect)
          OnSelect(this);
        else
          Change();
        return;
      }
      case CBN_EDITCHANGE:
        TControl::SetText(CurrentText());
        Change();
        return;
      case CBN_DROPDOWN:
        if (OnDropDown) OnDropDown(this);
        return;
      case CBN_CLOSEUP:
        if (OnCloseUp) OnCloseUp(this);
        return;
      default:
        break;
    }
  }
  TWinControl::WndProc(message);
}
