#pragma once
// Pop-up menus as data: CreatePopupMenu, AppendMenu and friends build a list
// of items (text, separator, disabled, checked); TrackPopupMenu shows it as a
// "#32768" window (PopupMenuWindow). Handles are checked on entry: a
// destroyed or made-up HMENU is refused.
#include <string>
#include <vector>

#include "platform/windowing/WinTypes.h"

struct MenuItem {
  UINT_PTR id = 0;
  std::string text;  // "&x" marks the key letter; a tab separates a right-aligned part
  UINT flags = 0;    // MF_SEPARATOR, MF_GRAYED / MF_DISABLED, MF_CHECKED

  bool separator() const;
  bool enabled() const;
  bool checked() const;
};

class Menu {
 public:
  std::vector<MenuItem> items;

  // The menu behind a handle, or nullptr for an invalid one.
  static Menu* fromHandle(struct HMENU__* handle);
  // The item by id (MF_BYCOMMAND) or by position (MF_BYPOSITION).
  MenuItem* find(UINT item, UINT flags);
};

using HMENU = struct HMENU__*;

HMENU CreatePopupMenu();
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);
BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR id, const char* text);
BOOL InsertMenu(HMENU menu, UINT position, UINT flags, UINT_PTR id, const char* text);
BOOL DeleteMenu(HMENU menu, UINT item, UINT flags);
int GetMenuItemCount(HMENU menu);
// Both answer the previous state (MF_CHECKED / MF_GRAYED bits), -1 when the item is missing.
DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags);
BOOL EnableMenuItem(HMENU menu, UINT item, UINT flags);
// Shows the menu at (x, y) (screen) for `owner` and runs until an item is
// chosen or the menu is cancelled. With TPM_RETURNCMD answers the chosen id
// (0 when cancelled); otherwise posts WM_COMMAND(id) to the owner and answers
// whether an item was chosen.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, const RECT* ignored);
