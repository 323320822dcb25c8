#pragma once
// Pop-up menus as data: CreatePopupMenu, AppendMenu and friends build a list
// of items (text, separator, disabled, checked, radio-checked, new column,
// sub-menu); TrackPopupMenu shows it as a "#32768" window (PopupMenuWindow),
// each open sub-menu as one more. Handles are checked on entry: a destroyed
// or made-up HMENU is refused.
#include <string>
#include <vector>

#include "platform/windowing/WinTypes.h"

using HMENU = struct HMENU__*;

struct MenuItem {
  UINT_PTR id = 0;   // 0 for a sub-menu item: choosing it opens its menu
  std::string text;  // "&x" marks the key letter; a tab separates a right-aligned part
  UINT flags = 0;    // MF_SEPARATOR, MF_GRAYED / MF_DISABLED, MF_CHECKED, MFT_RADIOCHECK, MF_MENUBREAK, MF_POPUP
  HMENU subMenu = nullptr;  // with MF_POPUP; owned by this item's menu

  bool separator() const;
  bool enabled() const;
  bool checked() const;
  bool radio() const;
  bool startsColumn() const;
  bool opensMenu() const;
};

class Menu {
 public:
  std::vector<MenuItem> items;

  // The menu behind a handle, or nullptr for an invalid one.
  static Menu* fromHandle(struct HMENU__* handle);
  // The item by position (MF_BYPOSITION) or by id (MF_BYCOMMAND, searching
  // the sub-menus too); `owner` is set to the menu holding it.
  MenuItem* find(UINT item, UINT flags, Menu** owner = nullptr);
  // True when `other` is this menu or one of its sub-menus at any depth.
  bool contains(const Menu* other) const;
};

HMENU CreatePopupMenu();
// Destroys the sub-menus of its items too.
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);
// With MF_POPUP `id` is the sub-menu's handle; the menu then owns it. A
// sub-menu that would hold its own parent is refused.
BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR id, const char* text);
BOOL InsertMenu(HMENU menu, UINT position, UINT flags, UINT_PTR id, const char* text);
BOOL DeleteMenu(HMENU menu, UINT item, UINT flags);
int GetMenuItemCount(HMENU menu);
// Both answer the previous state (MF_CHECKED / MF_GRAYED bits), -1 when the item is missing.
DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags);
BOOL EnableMenuItem(HMENU menu, UINT item, UINT flags);
// Checks `check` as a radio item and unchecks the others from `first` to
// `last` (by position or command as `flags` says, within the menu holding `check`).
BOOL CheckMenuRadioItem(HMENU menu, UINT first, UINT last, UINT check, UINT flags);
// The sub-menu of the item at a position, or null.
HMENU GetSubMenu(HMENU menu, int position);
// Shows the menu at (x, y) (screen) for `owner` and runs until an item is
// chosen or the menu is cancelled. With TPM_RETURNCMD answers the chosen id
// (0 when cancelled); otherwise posts WM_COMMAND(id) to the owner and answers
// whether an item was chosen.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, const RECT* ignored);
