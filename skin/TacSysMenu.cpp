#include "skin/TacSysMenu.h"

#include "framework/TCustomForm.h"
#include "platform/controls/ControlMessages.h"
#include "platform/controls/Menu.h"
#include "platform/windowing/WinUser.h"

TacSysMenu::TacSysMenu()
    : items_{{"Restore", "ItemRestore", SC_RESTORE, ""},   {"Move", "ItemMove", SC_MOVE, ""},
             {"Size", "ItemSize", SC_SIZE, ""},            {"Minimize", "ItemMinimize", SC_MINIMIZE, ""},
             {"Maximize", "ItemMaximize", SC_MAXIMIZE, ""}, {"-", "N1", 0, ""},
             {"Close", "ItemClose", SC_CLOSE, "Alt+F4"}} {}

const TacSysMenuItem* TacSysMenu::Find(const std::string& name) const {
  for (const TacSysMenuItem& item : items_)
    if (item.Name == name) return &item;
  return nullptr;
}

void TacSysMenu::Update(const TCustomForm& form, bool hasSystemMenu, bool minimizeShown, bool maximizeShown) {
  const TFormBorderStyle style = form.BorderStyle();
  const TBorderIcons icons = form.BorderIcons();
  const HWND window = form.HandleAllocated() ? const_cast<TCustomForm&>(form).Handle() : nullptr;
  const bool iconic = window && IsIconic(window);
  const bool maximized = window && IsZoomed(window);
  const bool bigStyle = style == bsSingle || style == bsSizeable;
  for (TacSysMenuItem& item : items_) {
    if (item.Command == SC_RESTORE) {
      item.Visible = hasSystemMenu && bigStyle;
      item.Enabled = iconic || (maximized && (icons & biMaximize));
    } else if (item.Command == SC_MOVE) {
      item.Visible = true;
      item.Enabled = !maximized;
    } else if (item.Command == SC_SIZE) {
      item.Visible = bigStyle || style == bsSizeToolWin;
      item.Enabled = style != bsSingle && !iconic;
    } else if (item.Command == SC_MINIMIZE) {
      item.Visible = minimizeShown;
      item.Enabled = (icons & biMinimize) && !iconic;
    } else if (item.Command == SC_MAXIMIZE) {
      item.Visible = maximizeShown;
      item.Enabled = (icons & biMaximize) && !maximized && bigStyle;
    } else if (item.Command == SC_CLOSE) {
      item.Visible = hasSystemMenu;
      item.Enabled = true;
    }
  }
}

UINT TacSysMenu::Popup(HWND owner, int x, int y) const {
  HMENU menu = CreatePopupMenu();
  if (!menu) return 0;
  bool lastWasSeparator = true;  // no separator at the top
  for (const TacSysMenuItem& item : items_) {
    if (!item.Visible) continue;
    if (item.Command == 0) {
      if (!lastWasSeparator) AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
      lastWasSeparator = true;
      continue;
    }
    const std::string text = item.ShortCut.empty() ? item.Caption : item.Caption + "\t" + item.ShortCut;
    AppendMenu(menu, item.Enabled ? MF_STRING : MF_STRING | MF_GRAYED, item.Command, text.c_str());
    lastWasSeparator = false;
  }
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD, x, y, 0, owner, nullptr));
  DestroyMenu(menu);
  return chosen;
}
