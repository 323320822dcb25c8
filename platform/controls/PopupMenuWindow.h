#pragma once
// The window of an open pop-up menu (class "#32768"). track() shows it,
// takes the mouse and runs its own loop: the hot item follows the mouse and
// the arrow keys, Enter or a click chooses an enabled item, Escape, a click
// outside or losing the mouse cancels. An item with a sub-menu shows an
// arrow and opens its menu as one more "#32768" window beside it: at once on
// a click, Enter or the Right key, and after kSubMenuDelayMs of hovering, so
// that sweeping the pointer down the menu opens nothing on the way. An open
// sub-menu stays while the pointer is inside it or the delay of another
// item has not run out; its item stays hot while the pointer is inside it.
// Left or Escape closes that sub-menu again. The deepest open menu holds
// the mouse capture and takes the keys.
// Items marked MF_MENUBREAK start a new column. The owner stays enabled;
// keys typed meanwhile go to the menu instead of the owner's focus window,
// through a keyboard grab, so they do even when another handler's loop takes
// them from the queue; a key reaching any open menu acts on the deepest.
#include <vector>

#include "platform/controls/Menu.h"
#include "platform/controls/StandardControl.h"

// What a skinner that paints the menu in its own way asks the open menu.
constexpr UINT MN_GETITEMCOUNT = 0x01E5;  // answers the number of items
constexpr UINT MN_GETITEMINFO = 0x01E6;   // wParam index, lParam MenuItem* to fill; answers TRUE when found
constexpr UINT MN_GETITEMRECT = 0x01E7;   // wParam index, lParam RECT* (client coordinates)
constexpr UINT MN_GETHOTITEM = 0x01E8;    // answers the hot item's index, -1 for none
constexpr UINT MN_GETOPENSUBMENU = 0x01E9;  // answers the window of the sub-menu open from this one, or 0

struct MenuTracking;

class PopupMenuWindow : public StandardControl {
 public:
  PopupMenuWindow(HWND hwnd, const CREATESTRUCT& cs);
  static void registerClass();
  // Answers the chosen item's id (at any depth), 0 when cancelled.
  static UINT_PTR track(const std::vector<MenuItem>& items, UINT flags, POINT at, HWND owner);

  static constexpr int kFrame = 2;
  static constexpr int kCheckColumn = 20;
  static constexpr int kSeparatorHeight = 8;
  // How long the pointer rests on an item before its sub-menu opens, or
  // before an open sub-menu of another item closes.
  static constexpr UINT kSubMenuDelayMs = 400;

 protected:
  LRESULT handle(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void paint(HDC dc) override;

 private:
  friend struct MenuTracking;  // closes the sub-menus a menu asked to close
  static PopupMenuWindow* create(const std::vector<MenuItem>& items, MenuTracking& tracking, int level, HWND owner);
  int itemHeight(const MenuItem& item) const;
  int itemWidth(const MenuItem& item, HDC dc) const;
  // Places the items in their columns; answers the window size.
  SIZE layout();
  RECT itemRect(int index) const;
  int itemAt(POINT client) const;
  // Moves the hot item at once (keys, an opening sub-menu): any other open sub-menu closes.
  void setHot(int index);
  // Only moves the highlight and tells the owner.
  void markHot(int index);
  // The pointer rests on an item: starts, keeps or cancels the sub-menu delay.
  void hover(int index);
  void onSubMenuDelay();
  void stopSubMenuDelay();
  // The pointer is inside this menu's open sub-menu (at any depth): its item
  // is hot again and no delay may close it.
  void keepSubMenuOpen();
  // The menu this sub-menu was opened from; nullptr for the first menu.
  PopupMenuWindow* parentMenu() const;
  void moveHot(int direction);
  void moveColumn(int direction);
  void choose(int index);
  void openSubMenu(int index, bool selectFirst);
  void closeSubMenu();
  void cancel();
  // Hands a mouse message to the open menu under the pointer; false when that is this one.
  bool forwardMouse(UINT msg, WPARAM wParam, LPARAM lParam);
  bool onKey(WPARAM key);
  bool onChar(char32_t ch);

  std::vector<MenuItem> items_;
  std::vector<RECT> rects_;
  MenuTracking* tracking_ = nullptr;
  int level_ = 0;          // 0 for the menu TrackPopupMenu opened
  int hot_ = -1;
  int openItem_ = -1;      // the item whose sub-menu is open
  int delayedItem_ = -1;   // the item whose delay is running
};
