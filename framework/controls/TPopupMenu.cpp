#include "framework/controls/TPopupMenu.h"

#include "framework/TApplication.h"
#include "framework/TCustomForm.h"
#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"
#include "platform/controls/ControlMessages.h"
#include "platform/controls/Menu.h"
#include "platform/windowing/WinUser.h"

const TClassInfo& TPopupMenu::StaticClassInfo() {
  static const TClassInfo info("TPopupMenu", &TComponent::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<TPopupMenu>());
    TPropertyBuilder<TPopupMenu>(c).Event("OnPopup", &TPopupMenu::OnPopup);
  });
  return info;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner) {}

int TPopupMenu::Popup(int x, int y, HWND owner) {
  if (OnPopup) OnPopup(this);
  if (!owner && Application && Application->MainForm() && Application->MainForm()->HandleAllocated())
    owner = Application->MainForm()->Handle();
  HMENU menu = CreatePopupMenu();
  // Item ids start at 1: 0 is what a cancelled menu answers.
  for (std::size_t i = 0; i < Items.size(); ++i) {
    const TMenuItem& item = Items[i];
    if (item.Caption == "-") {
      AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    AppendMenu(menu, MF_STRING | (item.Enabled ? 0u : MF_GRAYED), i + 1, item.Caption.c_str());
  }
  const auto chosen = static_cast<int>(TrackPopupMenu(menu, TPM_RETURNCMD, x, y, 0, owner, nullptr));
  DestroyMenu(menu);
  if (chosen <= 0 || chosen > static_cast<int>(Items.size())) return -1;
  // Copied: the handler may change the list.
  const TNotifyEvent handler = Items[static_cast<std::size_t>(chosen - 1)].OnClick;
  if (handler) handler(this);
  return chosen - 1;
}
