#pragma once
// The window of an open pop-up menu (class "#32768"). track() shows it,
// takes the mouse and runs its own loop: the hot item follows the mouse and
// the arrow keys, Enter or a click chooses an enabled item, Escape, a click
// outside or losing the mouse cancels. The owner stays enabled; keys typed
// meanwhile go to the menu instead of the owner's focus window.
#include <vector>

#include "platform/controls/Menu.h"
#include "platform/controls/StandardControl.h"

// What a skinner that paints the menu in its own way asks the open menu.
constexpr UINT MN_GETITEMCOUNT = 0x01E5;  // answers the number of items
constexpr UINT MN_GETITEMINFO = 0x01E6;   // wParam index, lParam MenuItem* to fill; answers TRUE when found
constexpr UINT MN_GETITEMRECT = 0x01E7;   // wParam index, lParam RECT* (client coordinates)
constexpr UINT MN_GETHOTITEM = 0x01E8;    // answers the hot item's index, -1 for none

class PopupMenuWindow : public StandardControl {
 public:
  PopupMenuWindow(HWND hwnd, const CREATESTRUCT& cs);
  static void registerClass();
  // Answers the chosen item's id, 0 when cancelled.
  static UINT_PTR track(const std::vector<MenuItem>& items, UINT flags, POINT at, HWND owner);

  static constexpr int kFrame = 2;
  static constexpr int kCheckColumn = 20;
  static constexpr int kSeparatorHeight = 8;

 protected:
  LRESULT handle(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void paint(HDC dc) override;

 private:
  int itemHeight(const MenuItem& item) const;
  SIZE preferredSize() const;
  RECT itemRect(int index) const;
  int itemAt(POINT client) const;
  void setHot(int index);
  void moveHot(int direction);
  void choose(int index);
  void cancel();
  bool onKey(WPARAM key);
  bool onChar(char32_t ch);

  std::vector<MenuItem> items_;
  int hot_ = -1;
  bool done_ = false;
  UINT_PTR result_ = 0;
};
