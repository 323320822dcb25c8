#include "platform/controls/Menu.h"

#include <memory>
#include <unordered_map>

#include "platform/controls/ControlMessages.h"
#include "platform/controls/PopupMenuWindow.h"

bool MenuItem::separator() const { return flags & MF_SEPARATOR; }
bool MenuItem::enabled() const { return !separator() && !(flags & (MF_GRAYED | MF_DISABLED)); }
bool MenuItem::checked() const { return flags & MF_CHECKED; }
bool MenuItem::radio() const { return flags & MFT_RADIOCHECK; }
bool MenuItem::startsColumn() const { return flags & MF_MENUBREAK; }
bool MenuItem::opensMenu() const { return (flags & MF_POPUP) && subMenu; }

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

MenuItem* Menu::find(UINT item, UINT flags, Menu** owner) {
  if (owner) *owner = this;
  if (flags & MF_BYPOSITION) return item < items.size() ? &items[item] : nullptr;
  for (MenuItem& m : items)
    if (!m.separator() && !m.opensMenu() && m.id == item) return &m;
  for (MenuItem& m : items) {
    Menu* sub = m.opensMenu() ? fromHandle(m.subMenu) : nullptr;
    if (MenuItem* found = sub ? sub->find(item, flags, owner) : nullptr) return found;
  }
  if (owner) *owner = nullptr;
  return nullptr;
}

bool Menu::contains(const Menu* other) const {
  if (other == this) return true;
  for (const MenuItem& m : items) {
    const Menu* sub = m.opensMenu() ? fromHandle(m.subMenu) : nullptr;
    if (sub && sub->contains(other)) return true;
  }
  return false;
}

HMENU CreatePopupMenu() {
  const auto handle = reinterpret_cast<HMENU>(nextHandle++);
  menus()[handle] = std::make_unique<Menu>();
  return handle;
}

BOOL DestroyMenu(HMENU menu) {
  const auto it = menus().find(menu);
  if (it == menus().end()) return FALSE;
  const std::unique_ptr<Menu> gone = std::move(it->second);
  menus().erase(it);
  for (const MenuItem& item : gone->items)
    if (item.opensMenu()) DestroyMenu(item.subMenu);
  return TRUE;
}
BOOL IsMenu(HMENU menu) { return Menu::fromHandle(menu) != nullptr; }

BOOL InsertMenu(HMENU handle, UINT position, UINT flags, UINT_PTR id, const char* text) {
  Menu* menu = Menu::fromHandle(handle);
  if (!menu) return FALSE;
  MenuItem item{id, text && !(flags & MF_SEPARATOR) ? text : "", flags & ~MF_BYPOSITION};
  if (flags & MF_POPUP) {
    // A sub-menu that holds its parent would open without end.
    const auto sub = reinterpret_cast<HMENU>(id);
    const Menu* child = Menu::fromHandle(sub);
    if (!child || child->contains(menu)) return FALSE;
    item.id = 0;
    item.subMenu = sub;
  }
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
  MenuItem* found = menu ? menu->find(item, flags, &menu) : nullptr;
  if (!found) return FALSE;
  const HMENU sub = found->opensMenu() ? found->subMenu : nullptr;
  menu->items.erase(menu->items.begin() + (found - menu->items.data()));
  if (sub) DestroyMenu(sub);
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

BOOL CheckMenuRadioItem(HMENU handle, UINT first, UINT last, UINT check, UINT flags) {
  Menu* top = Menu::fromHandle(handle);
  Menu* menu = nullptr;
  MenuItem* checked = top ? top->find(check, flags, &menu) : nullptr;
  if (!checked || !menu) return FALSE;
  const auto position = [&](const MenuItem* item) { return static_cast<UINT>(item - menu->items.data()); };
  const auto inRange = [&](const MenuItem& item) {
    const UINT key = (flags & MF_BYPOSITION) ? position(&item) : static_cast<UINT>(item.id);
    return key >= first && key <= last;
  };
  for (MenuItem& item : menu->items)
    if (!item.separator() && inRange(item)) item.flags &= ~(MF_CHECKED | MFT_RADIOCHECK);
  checked->flags |= MF_CHECKED | MFT_RADIOCHECK;
  return TRUE;
}

HMENU GetSubMenu(HMENU handle, int position) {
  Menu* menu = Menu::fromHandle(handle);
  if (!menu || position < 0 || static_cast<std::size_t>(position) >= menu->items.size()) return nullptr;
  const MenuItem& item = menu->items[static_cast<std::size_t>(position)];
  return item.opensMenu() ? item.subMenu : nullptr;
}

BOOL TrackPopupMenu(HMENU handle, UINT flags, int x, int y, int, HWND owner, const RECT*) {
  Menu* menu = Menu::fromHandle(handle);
  if (!menu || menu->items.empty()) return 0;
  // The window works on a copy: the owner may change or destroy the menu while
  // it is open (sub-menus are copied when they open, through their handles).
  const std::vector<MenuItem> items = menu->items;
  const UINT_PTR chosen = PopupMenuWindow::track(items, flags, Point(x, y), owner);
  if (flags & TPM_RETURNCMD) return static_cast<BOOL>(chosen);
  if (chosen && owner && IsWindow(owner) && !(flags & TPM_NONOTIFY))
    PostMessage(owner, WM_COMMAND, MAKEWPARAM(static_cast<int>(chosen), 0), 0);
  return chosen ? TRUE : FALSE;
}
