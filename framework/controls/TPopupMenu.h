#pragma once
// A pop-up menu component: a list of items, each a caption (a single "-"
// is a separator) with its click handler, shown at a screen point by
// Popup. Popup runs until an item is chosen or the menu is cancelled; the
// chosen item's handler runs after the menu has closed.
#include <string>
#include <vector>

#include "framework/Events.h"
#include "framework/TComponent.h"
#include "platform/windowing/WinTypes.h"

struct TMenuItem {
  std::string Caption;
  bool Enabled = true;
  TNotifyEvent OnClick;
};

class TPopupMenu : public TComponent {
 public:
  TRAINER_CLASS_INFO()

  explicit TPopupMenu(TComponent* owner);

  std::vector<TMenuItem> Items;
  // Raised just before the menu opens.
  TNotifyEvent OnPopup;

  // Shows the menu with its top-left corner at the screen point, for the
  // given window (the application's main form when none). Answers the
  // index of the chosen item, -1 when cancelled.
  int Popup(int x, int y, HWND owner = nullptr);
};
