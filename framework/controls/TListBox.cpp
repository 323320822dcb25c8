#include "framework/controls/TListBox.h"

#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"
#include "platform/controls/ControlMessages.h"
#include "platform/controls/StandardClasses.h"
#include "platform/windowing/WinUser.h"

namespace {
// Names no item, so a list with variable heights sets its own height
// (the one new items start from) rather than item 0's.
constexpr WPARAM kListHeight = static_cast<WPARAM>(-1);
}  // namespace

const TClassInfo& TListBox::StaticClassInfo() {
  static const TClassInfo info("TListBox", &TWinControl::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<TListBox>());
    TPropertyBuilder<TListBox>(c)
        .Boolean("Ctl3D", &TListBox::Ctl3D, &TListBox::SetCtl3D)
        .Integer("ItemHeight", &TListBox::ItemHeight, &TListBox::SetItemHeight)
        .Integer("ItemIndex", &TListBox::ItemIndex, &TListBox::SetItemIndex)
        .Object("Items", &TListBox::Items);
  });
  return info;
}

TListBox::TListBox(TComponent* owner)
    : TWinControl(owner),
      items_([this] { return HandleAllocated() ? Handle() : nullptr; },
             {LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT}) {
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
  SetColor(clWindow);
  items_.OnChange = [this](TObject*) {
    if (!HandleAllocated() && itemIndex_ >= items_.Count()) itemIndex_ = -1;
  };
}

void TListBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  WNDCLASS standard{};
  if (!GetClassInfo(WC_LISTBOX, &standard)) RegisterStandardClasses();
  params.BaseClassName = WC_LISTBOX;
  params.Style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER;
}

void TListBox::CreateWnd() {
  TWinControl::CreateWnd();
  if (!HandleAllocated()) return;
  // The height first: measured items start from it.
  SendMessage(Handle(), LB_SETITEMHEIGHT, kListHeight, itemHeight_);
  items_.CopyToWindow(Handle());
  if (itemIndex_ >= 0) SendMessage(Handle(), LB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}

int TListBox::ItemIndex() const {
  if (HandleAllocated()) return static_cast<int>(SendMessage(const_cast<TListBox*>(this)->Handle(), LB_GETCURSEL, 0, 0));
  return itemIndex_;
}

void TListBox::SetItemIndex(int index) {
  if (index < -1 || index >= items_.Count()) index = -1;
  itemIndex_ = index;
  if (HandleAllocated()) SendMessage(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TListBox::SetItemHeight(int height) {
  if (height == itemHeight_ || height <= 0) return;
  itemHeight_ = height;
  if (HandleAllocated()) SendMessage(Handle(), LB_SETITEMHEIGHT, kListHeight, height);
}

int TListBox::TopIndex() const {
  if (!HandleAllocated()) return 0;
  return static_cast<int>(SendMessage(const_cast<TListBox*>(this)->Handle(), LB_GETTOPINDEX, 0, 0));
}

void TListBox::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND) {
    WORD code = HIWORD(message.WParam);
    if (code == LBN_SELCHANGE) {
      itemIndex_ = ItemIndex();
      Click();
      return;
    }
    if (code == LBN_DBLCLK) {
      if (OnDblClick) OnDblClick(this);
      return;
    }
  }
  TWinControl::WndProc(message);
}
