#include "platform/controls/Menu.h"

#include <memory>
#include <unordered_map>

#include "platform/controls/ControlMessages.h"
#include "platform/controls/PopupMenuWindow.h"

bool MenuItem::separator() const { return flags & MF_SEPARATOR; }
bool MenuItem::enabled() const { return !separator() && !(flags & (MF_GRAYED | MF_DISABLED)); }
bool MenuItem::checked() const { return flags & MF_CHECKED; }

namespace {
// Live menus by handle; handles are never reused while the program runs.
std::unordered_map<HMENU, std::unique_ptr<Menu>>& menus() {
  static std::unordered_map<HMENU, std::unique_ptr<Menu>> table;
  return table;
}
std::uintptr_t nextHandle = 0x4D00;
}  // namespace

Menu* Menu::fromHandle(HMENU handle) {
  const auto it = menus().find(handle);
  return it == menus().end() ? nullptr : it->second.get();
}

MenuItem* Menu::find(UINT item, UINT flags) {
  if (flags & MF_BYPOSITION) return item < items.size() ? &items[item] : nullptr;
  for (MenuItem& m : items)
    if (!m.separator() && m.id == item) return &m;
  return nullptr;
}

HMENU CreatePopupMenu() {
  const auto handle = reinterpret_cast<HMENU>(nextHandle++);
  menus()[handle] = std::make_unique<Menu>();
  return handle;
}

BOOL DestroyMenu(HMENU menu) { return menus().erase(menu) ? TRUE : FALSE; }
BOOL IsMenu(HMENU menu) { return Menu::fromHandle(menu) != nullptr; }

BOOL InsertMenu(HMENU handle, UINT position, UINT flags, UINT_PTR id, const char* text) {
  Menu* menu = Menu::fromHandle(handle);
  if (!menu || (flags & MF_POPUP)) return FALSE;  // nested menus are not offered
  MenuItem item{id, text && !(flags & MF_SEPARATOR) ? text : "", flags & ~MF_BYPOSITION};
  std::size_t at = menu->items.size();
  if (position != static_cast<UINT>(-1)) {
    if (flags & MF_BYPOSITION) {
      at = std::min<std::size_t>(position, menu->items.size());
    } else {
      for (std::size_t i = 0; i < menu->items.size(); ++i)
        if (menu->items[i].id == position) at = i;
    }
  }
  menu->items.insert(menu->items.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
  return TRUE;
}

BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR id, const char* text) {
  return InsertMenu(menu, static_cast<UINT>(-1), flags & ~MF_BYPOSITION, id, text);
}

BOOL DeleteMenu(HMENU handle, UINT item, UINT flags) {
  Menu* menu = Menu::fromHandle(handle);
  MenuItem* found = menu ? menu->find(item, flags) : nullptr;
  if (!found) return FALSE;
  menu->items.erase(menu->items.begin() + (found - menu->items.data()));
  return TRUE;
}

int GetMenuItemCount(HMENU handle) {
  Menu* menu = Menu::fromHandle(handle);
  return menu ? static_cast<int>(menu->items.size()) : -1;
}

DWORD CheckMenuItem(HMENU handle, UINT item, UINT flags) {
  Menu* menu = Menu::fromHandle(handle);
  MenuItem* found = menu ? menu->find(item, flags) : nullptr;
  if (!found) return static_cast<DWORD>(-1);
  const DWORD previous = found->flags & MF_CHECKED;
  found->flags = (found->flags & ~MF_CHECKED) | (flags & MF_CHECKED);
  return previous;
}

BOOL EnableMenuItem(HMENU handle, UINT item, UINT flags) {
  Menu* menu = Menu::fromHandle(handle);
  MenuItem* found = menu ? menu->find(item, flags) : nullptr;
  if (!found) return -1;
  const BOOL previous = static_cast<BOOL>(found->flags & (MF_GRAYED | MF_DISABLED));
  found->flags = (found->flags & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
  return previous;
}

BOOL TrackPopupMenu(HMENU handle, UINT flags, int x, int y, int, HWND owner, const RECT*) {
  Menu* menu = Menu::fromHandle(handle);
  if (!menu || menu->items.empty()) return 0;
  // The window works on a copy: the owner may change or destroy the menu while it is open.
  const std::vector<MenuItem> items = menu->items;
  const UINT_PTR chosen = PopupMenuWindow::track(items, flags, Point(x, y), owner);
  if (flags & TPM_RETURNCMD) return static_cast<BOOL>(chosen);
  if (chosen && owner && IsWindow(owner) && !(flags & TPM_NONOTIFY))
    PostMessage(owner, WM_COMMAND, MAKEWPARAM(static_cast<int>(chosen), 0), 0);
  return chosen ? TRUE : FALSE;
}
